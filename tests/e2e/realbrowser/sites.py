"""The sixteen search sites, on 127.0.0.1: a page per site whose title names it, and a
record of what each request asked for, one JSON object a line: the site, the query and
the suffix's parameter, as the site's server decodes them, and when it came.

usage: sites.py PORT_FILE LOG_FILE"""

import json
import sys
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


class Site(BaseHTTPRequestHandler):
    def do_GET(self):
        address = urllib.parse.urlsplit(self.path)
        site = address.path.strip("/")
        if not site.isdigit():
            self.send_error(404)
            return
        # Decoded as a site decodes a form's query: "+" is a blank, "%2B" a plus.
        fields = urllib.parse.parse_qs(address.query, keep_blank_values=True)
        record = {"site": site, "q": fields.get("q", []), "end": fields.get("end", []),
                  "time": time.time()}
        with open(sys.argv[2], "a", encoding="utf-8") as log:
            log.write(json.dumps(record) + "\n")
        page = f"<html><head><title>site {site}</title></head><body>{site}</body></html>"
        body = page.encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = ThreadingHTTPServer(("127.0.0.1", 0), Site)
with open(sys.argv[1], "w", encoding="utf-8") as port:
    port.write(str(server.server_address[1]))
server.serve_forever()
