#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Дневной рельс
# SPDX-License-Identifier: GPL-3.0-or-later
"""A calendar server for the subscription tests, on 127.0.0.1 and a free port
(printed on the first line). /cal.ics answers ETag and 304; /mode?fail=1
turns it into a 500; other paths give a body too large, a redirect, a
redirect loop, a silence and a page that is no calendar."""
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import urlparse, parse_qs

CALENDAR = (
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n"
    "BEGIN:VEVENT\r\nUID:a@test\r\nDTSTART;VALUE=DATE:20260310\r\n"
    "SUMMARY:Матч\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:b@test\r\nDTSTART:20260312T180000Z\r\n"
    "DTEND:20260312T200000Z\r\nSUMMARY:Концерт\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n").encode()
ETAG = '"v1"'
state = {"fail": False, "full": 0}


class Handler(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        if body is not None:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if body:
            self.wfile.write(body)

    def do_GET(self):
        url = urlparse(self.path)
        if url.path == "/mode":
            state["fail"] = parse_qs(url.query).get("fail") == ["1"]
            return self.answer(200, b"ok")
        if url.path == "/cal.ics":
            if state["fail"]:
                return self.answer(500, b"down")
            if self.headers.get("If-None-Match") == ETAG:
                return self.answer(304, None, [("ETag", ETAG)])
            state["full"] += 1
            return self.answer(200, CALENDAR, [("ETag", ETAG),
                                               ("Content-Type", "text/calendar")])
        if url.path == "/error":
            return self.answer(500, b"down")
        if url.path == "/full":
            return self.answer(200, str(state["full"]).encode())
        if url.path == "/moved":
            return self.answer(302, b"", [("Location", "/cal.ics")])
        if url.path == "/loop":
            return self.answer(302, b"", [("Location", "/loop")])
        if url.path == "/huge":
            # No length: the client learns the size only by reading.
            self.send_response(200)
            self.send_header("Content-Type", "text/calendar")
            self.end_headers()
            piece = b"X" * (1024 * 1024)
            try:
                for _ in range(26):
                    self.wfile.write(piece)
            except OSError:
                pass
            return
        if url.path == "/silent":
            self.send_response(200)
            self.send_header("Content-Length", "100")
            self.end_headers()
            time.sleep(3)
            return
        if url.path == "/page":
            return self.answer(200, b"<html><body>Login</body></html>")
        return self.answer(404, b"no")


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
# Ends with the test: its stdin closes.
import threading
threading.Thread(target=lambda: (sys.stdin.read(), server.shutdown()), daemon=True).start()
server.serve_forever()
