#!/usr/bin/env python3
"""The update check's loopback server: GET /STATUS/DELAY/SIZE/BODY answers STATUS after DELAY
seconds with BODY padded to SIZE bytes. Prints "PORT n", then "GET" per request till stdin ends."""
import sys, threading, time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    log_message = lambda *args: None

    def do_GET(self):
        print("GET", flush=True)
        _, status, delay, size, body = self.path.split("/", 4)
        time.sleep(float(delay))
        self.send_response(int(status))
        self.send_header("Location", "/200/0/0/1")
        self.send_header("Content-Length", str(max(int(size), len(body))))
        self.end_headers()
        self.wfile.write(body.encode() + b" " * (int(size) - len(body)))


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
print("PORT %d" % server.server_address[1], flush=True)
sys.stdin.read()
