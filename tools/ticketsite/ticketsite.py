#!/usr/bin/env python3
"""The simulated ticket site: an HTTP server (and HTTP proxy) that serves the
ticket site, the statistics site and the info file from a scenario.

Run `ticketsite.py --help`; README.md beside this file tells more.
"""

import argparse
import datetime
import json
import os
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import urlsplit

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pages  # noqa: E402
from hosts import Hosts  # noqa: E402
from scenario import Scenario, parse_offer_option  # noqa: E402

DEFAULT_HOSTS_HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "engine", "SiteHosts.h")


class SiteState:
    """The scenario in force and the clock it runs on. The scenario file is
    read again whenever its text changes; the clock then starts over."""

    def __init__(self, path, extra_offers, clock=time.monotonic):
        self.path = path
        self.extra_offers = list(extra_offers)
        self.clock = clock
        self.lock = threading.Lock()
        self.text = None
        self.scenario = Scenario().with_offers(self.extra_offers)
        self.t0 = clock()
        self.started = datetime.datetime.now()
        self.error = None
        self.refresh()

    def refresh(self):
        if not self.path:
            return
        try:
            with open(self.path, encoding="utf-8") as f:
                text = f.read()
        except OSError as e:
            self.error = "cannot read %s: %s" % (self.path, e)
            return
        if text == self.text:
            return
        self.text = text
        try:
            scenario = Scenario.from_text(text).with_offers(self.extra_offers)
        except ValueError as e:
            self.error = "scenario %s not taken: %s" % (self.path, e)
            print("ticketsite: " + self.error, file=sys.stderr, flush=True)
            return
        self.scenario = scenario
        self.error = None
        self.reset_clock()

    def reset_clock(self):
        self.t0 = self.clock()
        self.started = datetime.datetime.now()

    def current(self):
        with self.lock:
            self.refresh()
            return self.scenario, self.clock() - self.t0


class SiteServer(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address, state, hosts, log_path=None, quiet=False):
        super().__init__(address, SiteHandler)
        self.state = state
        self.hosts = hosts
        self.log_path = log_path
        self.quiet = quiet
        self.log_lock = threading.Lock()
        self.last_request = time.monotonic()
        self.cookie_counter = 0

    def handle_error(self, request, client_address):
        # A client that hangs up (a stopped request) is no fault of the site.
        if not isinstance(sys.exc_info()[1], (ConnectionError, TimeoutError)):
            super().handle_error(request, client_address)

    def log_request_line(self, line):
        with self.log_lock:
            if self.log_path:
                with open(self.log_path, "a", encoding="utf-8") as f:
                    f.write(line + "\n")
            if not self.quiet:
                print(line, file=sys.stderr, flush=True)

    def next_cookie(self):
        with self.log_lock:
            self.cookie_counter += 1
            return self.cookie_counter


class SiteHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "ticketsite/1.0"
    sys_version = ""

    def log_message(self, format, *args):  # the server keeps its own log
        pass

    def do_GET(self):
        self.server.last_request = time.monotonic()
        target = self.path
        if target.startswith("http://") or target.startswith("https://"):
            parts = urlsplit(target)
            host = parts.hostname
            path = (parts.path or "/") + ("?" + parts.query if parts.query else "")
        else:
            host = (self.headers.get("Host") or "").split(":")[0] or None
            path = target
        if path.startswith("/_site/"):
            return self.control(path)
        kind, number = pages.classify(path)
        if kind is None or not self.server.hosts.serves(kind, host):
            return self.reply(404, b"<html><body>Seite nicht gefunden</body></html>", host, path, kind)
        scenario, t = self.server.state.current()
        rule = scenario.pages[kind]
        if rule.delay:
            time.sleep(rule.delay)
        if rule.status != 200:
            extra = {"Location": rule.location} if 300 <= rule.status < 400 else {}
            return self.reply(rule.status, b"<html><body>Fehler</body></html>", host, path, kind, number, extra)
        content_type = "text/html; charset=" + pages.CHARSET
        extra = {}
        if kind == "resale-list":
            body = pages.resale_list_page(scenario, t)
            extra["Set-Cookie"] = "WMDSESSION=%08d; path=/" % self.server.next_cookie()
        elif kind == "tst-list":
            body = pages.tst_list_page(scenario, t)
        elif kind == "resale-detail":
            body = pages.resale_detail_page(scenario, t, number)
        elif kind == "tst-detail":
            body = pages.tst_detail_page(scenario, t, number)
        elif kind == "statistics":
            body = pages.statistics_page(scenario, t, self.server.state.started)
        else:
            body = pages.info_file(scenario, self.server.hosts.ticket or "localhost")
            content_type = "text/xml"
        self.reply(200, body, host, path, kind, number, extra, content_type)

    def control(self, path):
        state = self.server.state
        if path == "/_site/quit":
            self.reply(200, b"bye\n", None, path, "control", close=True)
            threading.Thread(target=self.server.shutdown, daemon=True).start()
        elif path == "/_site/reset-clock":
            with state.lock:
                state.reset_clock()
            self.reply(200, b"ok\n", None, path, "control")
        elif path == "/_site/state":
            scenario, t = state.current()
            active = [o.__dict__ for o in scenario.offers if o.active(t)]
            body = json.dumps({"t": t, "error": state.error, "active": active}, indent=1).encode()
            self.reply(200, body, None, path, "control", content_type="application/json")
        else:
            self.reply(404, b"unknown control\n", None, path, "control")

    def reply(self, status, body, host, path, kind, number=None, extra=None, content_type="text/html", close=False):
        # Logged before the answer goes out, so that whoever got the answer
        # finds the request in the log.
        cookie = self.headers.get("Cookie")
        self.server.log_request_line("%s %s %s %s %d %s%s" % (
            datetime.datetime.now().strftime("%H:%M:%S.%f")[:-3], host or "-", kind or "unknown",
            number if number is not None else "-", status, path, " cookie=" + cookie if cookie else ""))
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in (extra or {}).items():
            self.send_header(name, value)
        if close:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()


def parse_arguments(argv):
    parser = argparse.ArgumentParser(description="Simulated ticket site, statistics site and info-file server.")
    parser.add_argument("--scenario", help="JSON scenario file (read again whenever it changes)")
    parser.add_argument("--offer", action="append", default=[],
                        help="an extra offer, e.g. 'match=12 category=1 state=ltl from=0 to=60' (repeatable)")
    parser.add_argument("--bind", default="127.0.0.1", help="address to listen on (default 127.0.0.1)")
    parser.add_argument("--port", type=int, default=8080, help="port to listen on; 0 picks a free one")
    parser.add_argument("--port-file", help="write the port to this file once listening")
    parser.add_argument("--log", help="append one line per request to this file")
    parser.add_argument("--hosts-header", default=DEFAULT_HOSTS_HEADER,
                        help="C++ header with the host name constants (default: the engine's)")
    parser.add_argument("--ticket-host")
    parser.add_argument("--statistics-host")
    parser.add_argument("--info-host")
    parser.add_argument("--idle-exit", type=float, default=0,
                        help="end after this many seconds without a request (0: never)")
    parser.add_argument("--quiet", action="store_true", help="do not print requests")
    return parser.parse_args(argv)


def main(argv=None):
    args = parse_arguments(argv)
    try:
        extra = [parse_offer_option(text) for text in args.offer]
    except ValueError as e:
        sys.exit("ticketsite: " + str(e))
    hosts = Hosts.from_header(args.hosts_header) if args.hosts_header and os.path.exists(args.hosts_header) \
        else Hosts()
    hosts.override(args.ticket_host, args.statistics_host, args.info_host)
    state = SiteState(args.scenario, extra)
    if state.error:
        sys.exit("ticketsite: " + state.error)
    server = SiteServer((args.bind, args.port), state, hosts, args.log, args.quiet)
    port = server.server_address[1]
    if args.port_file:
        temporary = args.port_file + ".tmp"
        with open(temporary, "w") as f:
            f.write("%d\n" % port)
        os.replace(temporary, args.port_file)
    if not args.quiet:
        print("ticketsite: listening on %s:%d (%r)" % (args.bind, port, hosts), file=sys.stderr, flush=True)
    if args.idle_exit > 0:
        def watch():
            while True:
                time.sleep(min(1.0, args.idle_exit))
                if time.monotonic() - server.last_request > args.idle_exit:
                    server.shutdown()
                    return
        threading.Thread(target=watch, daemon=True).start()
    try:
        server.serve_forever(poll_interval=0.2)
    except KeyboardInterrupt:
        pass
    server.server_close()


if __name__ == "__main__":
    main()
