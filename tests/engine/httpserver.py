#!/usr/bin/env python3
"""Scripted HTTP/1.1 server for the engine tests.

Serves per path what a route file describes (status, headers, body, delays,
trickled and stalled bodies), keeps connections alive with Content-Length,
and appends every request line with its header lines to a log file, each
request ended by an empty line, before it answers, so that a client that got
its answer always finds its request logged.

Route file: a JSON object mapping a path (with query, or without it as a
fallback) to a route:
    status       int, default 200
    reason       text, default from the status
    headers      list of [name, value]; repeated names are sent repeatedly
    body         text, sent in cp1252
    pattern      int: a generated body of that many bytes (see pattern())
    delay        seconds to wait before the status line
    trickle      [chunk bytes, seconds between chunks]
    stall_after  bytes of the body to send before stalling for good (with
                 close: before closing the connection instead)
    stall_seconds  how long a stall lasts before the connection is closed
                 (default: until the client goes away or the server ends)
    close        true: close the connection after the answer
    no_length    true: send no Content-Length; the body ends with the connection

The server binds port 80 of the first free address from --address on
(127.a.b.c, counting up) and, once it listens, writes to --ready that address
and, on a second line, a loopback address where port 80 refuses connections.
Control paths (not logged): GET /__hold keeps its connection open and ends
the server when the client closes it (also when the client dies); GET
/__shutdown ends it at once. It also ends after --lifetime seconds.
"""
import argparse
import functools
import ipaddress
import json
import os
import select
import socket
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from http import HTTPStatus

PATTERN_LINE = "{:07d}: abcdefghijklmnopqrstuvwxyz\u00fc\n"


@functools.lru_cache(maxsize=8)
def pattern(length):
    """Numbered lines of 37 bytes (cp1252), cut to length. The numbers make
    a lost or repeated chunk visible; the line length is prime to common
    buffer sizes so chunk boundaries wander through the lines."""
    lines = length // 37 + 1
    text = "".join(PATTERN_LINE.format(n) for n in range(lines))
    return text.encode("cp1252")[:length]


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "TestHttp/1.0"
    sys_version = ""

    def log_message(self, fmt, *args):  # quiet; the JSON log is what counts
        pass

    def do_GET(self):
        if self.path == "/__shutdown":
            self.answer(200, [], b"bye", close=True)
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        if self.path == "/__hold":
            self.wfile.write(b"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n")
            self.wfile.flush()
            self.wait(self.server.lifetime)
            self.close_connection = True
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        self.server.record(self)
        route = self.server.route(self.path)
        if route is None:
            self.answer(404, [], b"no such route")
            return
        if not self.wait(route.get("delay", 0)):
            self.close_connection = True
            return
        if "pattern" in route:
            body = pattern(int(route["pattern"]))
        else:
            body = route.get("body", "").encode("cp1252")
        self.answer(route.get("status", 200), route.get("headers", []), body,
                    reason=route.get("reason"), trickle=route.get("trickle"),
                    stall_after=route.get("stall_after"), close=route.get("close", False),
                    stall_seconds=route.get("stall_seconds"), no_length=route.get("no_length", False))

    def wait(self, seconds):
        """Waits, but gives up as soon as the client goes away."""
        end = time.monotonic() + seconds
        while True:
            left = end - time.monotonic()
            if left <= 0:
                return True
            readable, _, _ = select.select([self.connection], [], [], min(left, 0.2))
            if readable:
                try:
                    if not self.connection.recv(1, socket.MSG_PEEK):
                        return False
                except OSError:
                    return False
                time.sleep(min(left, 0.05))

    def answer(self, status, headers, body, reason=None, trickle=None, stall_after=None, close=False,
               stall_seconds=None, no_length=False):
        if reason is None:
            try:
                reason = HTTPStatus(status).phrase
            except ValueError:
                reason = "Status"
        head = "HTTP/1.1 {} {}\r\n".format(status, reason)
        for name, value in headers:
            head += "{}: {}\r\n".format(name, value)
        if no_length:
            close = True  # the body then ends with the connection
        else:
            head += "Content-Length: {}\r\n".format(len(body))
        if close:
            head += "Connection: close\r\n"
            self.close_connection = True
        else:
            head += "Connection: keep-alive\r\n"
        head += "\r\n"
        try:
            self.wfile.write(head.encode("latin-1"))
            sendable = body if stall_after is None else body[:int(stall_after)]
            if trickle:
                size, pause = int(trickle[0]), float(trickle[1])
                for start in range(0, len(sendable), size):
                    self.wfile.write(sendable[start:start + size])
                    self.wfile.flush()
                    if start + size < len(sendable) and not self.wait(pause):
                        self.close_connection = True
                        return
            else:
                self.wfile.write(sendable)
            self.wfile.flush()
            if stall_after is not None:
                if not close:
                    self.wait(float(stall_seconds) if stall_seconds else self.server.lifetime)
                self.close_connection = True
        except OSError:
            self.close_connection = True


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address, routes, log_path, lifetime):
        self.routes = routes
        self.log_lock = threading.Lock()
        self.log_file = open(log_path, "a", encoding="utf-8")
        self.lifetime = lifetime
        super().__init__((address, 80), Handler)

    def route(self, path):
        if path in self.routes:
            return self.routes[path]
        return self.routes.get(path.split("?", 1)[0])

    def record(self, handler):
        entry = handler.requestline + "\n"
        for name, value in handler.headers.items():
            entry += "{}: {}\n".format(name, value)
        with self.log_lock:
            self.log_file.write(entry + "\n")
            self.log_file.flush()


def bind_first_free(start, routes, log_path, lifetime):
    address = ipaddress.IPv4Address(start)
    for _ in range(200):
        try:
            return Server(str(address), routes, log_path, lifetime)
        except OSError:
            address += 1
    raise SystemExit("no free loopback address from " + start)


def refused_address(start):
    """A loopback address near start where nothing listens on port 80."""
    address = ipaddress.IPv4Address(start) + 100
    for _ in range(100):
        probe = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        probe.settimeout(1)
        try:
            probe.connect((str(address), 80))
        except ConnectionRefusedError:
            return str(address)
        except OSError:
            pass
        finally:
            probe.close()
        address += 1
    return ""


def watch(server, lifetime):
    time.sleep(lifetime)
    server.shutdown()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--address", default="127.0.0.5")
    parser.add_argument("--routes", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--ready", required=True)
    parser.add_argument("--lifetime", type=float, default=600)
    args = parser.parse_args()
    with open(args.routes, encoding="utf-8") as f:
        routes = json.load(f)
    server = bind_first_free(args.address, routes, args.log, args.lifetime)
    threading.Thread(target=watch, args=(server, args.lifetime), daemon=True).start()
    with open(args.ready + ".tmp", "w") as f:
        f.write(server.server_address[0] + "\n" + refused_address(server.server_address[0]) + "\n")
    os.replace(args.ready + ".tmp", args.ready)
    server.serve_forever(poll_interval=0.1)
    server.server_close()


if __name__ == "__main__":
    main()
