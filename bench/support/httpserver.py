#!/usr/bin/env python3
"""A small HTTP server for tests, on 127.0.0.1 only.

Started by a test, it binds a free port (or --port), prints "PORT <n>" on
stdout and then takes one JSON command per line on stdin, answering each with
one JSON line on stdout:

  {"cmd": "route", "path": P, "status": 200, "body": B64, "delay": S,
   "size": N, "fill": CHAR, "length": true, "location": URL}
      From now on a GET of path P waits S seconds, then answers with the
      status, the body (base64) padded with the fill character up to N bytes
      (streamed, never held whole), a Content-Length unless length is false,
      and a Location header when given. Other paths answer 404.
  {"cmd": "count", "path": P}   -> {"count": requests for P so far, "served": answers finished}
  {"cmd": "reset"}              -> counts back to zero
  {"cmd": "quit"}               -> stops; so does the end of stdin

Clients that go away mid-answer are normal here and never reported.
"""

import argparse
import base64
import json
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

CHUNK = 16 * 1024

lock = threading.Lock()
routes = {}
counts = {}
served = {}


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    # Headers and body leave in separate writes; without this each keep-alive
    # answer waits for the client's delayed acknowledgement.
    disable_nagle_algorithm = True

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        path = self.path.split("?", 1)[0]
        with lock:
            counts[path] = counts.get(path, 0) + 1
            route = dict(routes.get(path, {"status": 404, "body": b"not found"}))
        delay = float(route.get("delay", 0))
        if delay > 0:
            time.sleep(delay)
        body = route.get("body", b"")
        size = max(int(route.get("size", len(body))), len(body))
        fill = route.get("fill", " ").encode("latin-1")[:1] or b" "
        with_length = route.get("length", True)

        self.send_response(int(route.get("status", 200)))
        self.send_header("Content-Type", "text/plain")
        if route.get("location"):
            self.send_header("Location", route["location"])
        if with_length:
            self.send_header("Content-Length", str(size))
        else:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()

        self.wfile.write(body)
        left = size - len(body)
        block = fill * CHUNK
        while left > 0:
            part = min(left, CHUNK)
            self.wfile.write(block[:part])
            left -= part
        self.wfile.flush()
        with lock:
            served[path] = served.get(path, 0) + 1


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass


def answer(obj):
    sys.stdout.write(json.dumps(obj) + "\n")
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    args = parser.parse_args()

    server = Server(("127.0.0.1", args.port), Handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    sys.stdout.write("PORT %d\n" % server.server_address[1])
    sys.stdout.flush()

    for line in sys.stdin:
        line = line.strip()
        if not line:
            continue
        try:
            command = json.loads(line)
            kind = command.get("cmd")
            if kind == "route":
                route = dict(command)
                route["body"] = base64.b64decode(command.get("body", ""))
                with lock:
                    routes[command["path"]] = route
                answer({"ok": True})
            elif kind == "count":
                with lock:
                    path = command["path"]
                    answer({"count": counts.get(path, 0), "served": served.get(path, 0)})
            elif kind == "reset":
                with lock:
                    counts.clear()
                    served.clear()
                answer({"ok": True})
            elif kind == "quit":
                answer({"ok": True})
                break
            else:
                answer({"error": "unknown command"})
        except (ValueError, KeyError) as error:
            answer({"error": str(error)})
    server.shutdown()
    server.server_close()


if __name__ == "__main__":
    main()
