#!/usr/bin/env python3
"""Loopback HTTP server for the update check's tests: GET /STATUS/DELAY/SIZE/BODY waits
DELAY seconds, then answers STATUS with BODY padded by blanks to SIZE bytes; a redirect
points at /200/0/0/1. Prints "PORT n", serves until its input closes."""
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    log_message = lambda *args: None

    def do_GET(self):
        _, status, delay, size, body = self.path.split("/", 4)
        time.sleep(float(delay))
        self.send_response(int(status))
        self.send_header("Location", "/200/0/0/1")
        self.send_header("Content-Length", str(max(int(size), len(body))))
        self.end_headers()
        self.wfile.write(body.encode() + b" " * (int(size) - len(body)))


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
threading.Thread(target=server.serve_forever, daemon=True).start()
print("PORT %d" % server.server_address[1], flush=True)
sys.stdin.read()
