#!/usr/bin/python3
"""Serves Ponderival's page on 127.0.0.1, with the content types it needs.

    serve_web.py FOLDER [PORT]

PORT 0, or none, takes any free port. The first line written is the page's
address. Each HTML file's own Content-Security-Policy goes with it as a
header too, where frame-ancestors can keep it out of other sites' frames.
Tests import its Handler to serve a folder themselves.
"""

import functools
import http.server
import os
import re
import sys

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".png": "image/png",
    ".woff2": "font/woff2",
    ".txt": "text/plain; charset=utf-8",
    ".zip": "application/zip",
}
POLICY = re.compile(rb'<meta http-equiv="Content-Security-Policy" content="([^"]*)">')


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = TYPES

    def end_headers(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if path.endswith(".html") and os.path.isfile(path):
            with open(path, "rb") as page:
                policy = POLICY.search(page.read())
            if policy:
                self.send_header("Content-Security-Policy",
                                 policy.group(1).decode() + "; frame-ancestors 'none'")
        self.send_header("X-Content-Type-Options", "nosniff")
        # A new build shows at the next load; offline, the service worker has the files.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):  # pylint: disable=redefined-builtin
        if os.environ.get("PONDERIVAL_SERVER_LOG"):
            super().log_message(format, *args)


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    handler = functools.partial(Handler, directory=argv[1])
    port = int(argv[2]) if len(argv) == 3 else 0
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
