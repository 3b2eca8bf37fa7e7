#!/usr/bin/python3
"""Finishes Ponderival's page once all its files are built.

    site.py page SITE_FOLDER TEMPLATE OUTPUT_HTML
    site.py worker SITE_FOLDER TEMPLATE

"page" writes a page from the TEMPLATE the page's writer left, filling its
slots (window/web/singlepage.h) with the files beside the template or the
site's: scripts and style sheets inline, allowed by their hashes in the page's
policy; the WebAssembly module, the fonts and the icon carried as base64. So
are made the served index.html and the single file that opens from disk with
no server.

"worker" writes SITE_FOLDER/sw.js from TEMPLATE: the service worker keeps
every file of the site, and its cache is named after their contents, so that
a new build replaces an old one at once.
"""

import base64
import hashlib
import json
import os
import re
import sys

WORKER = "sw.js"


def site_files(site):
    """Every file of the site but the worker, as the page names them."""
    found = []
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
            if path != WORKER:
                found.append(path)
    return sorted(found)


def write_worker(site, template):
    files = site_files(site)
    digest = hashlib.sha256()
    for path in files:
        digest.update(path.encode() + b"\0")
        with open(os.path.join(site, path), "rb") as file:
            digest.update(file.read())
    with open(template, encoding="utf-8") as file:
        text = file.read()
    # "./" is the page itself, as a browser asks for it when the site is opened by its folder.
    listed = ", ".join(json.dumps(path) for path in ["./"] + files)
    text = text.replace("@VERSION@", digest.hexdigest()[:16]).replace("@FILES@", listed)
    with open(os.path.join(site, WORKER), "w", encoding="utf-8") as file:
        file.write(text)


# A slot the page's writer left: @@kind:argument@@ (window/web/singlepage.h lists them).
SLOT = re.compile(r"@@([a-z0-9]+):([^@]+)@@")


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


class Page:
    """Fills a page's slots from the files beside its template or the built site, and its policy
    with the hashes of what they put inline."""

    def __init__(self, site, folder):
        self.site, self.folder, self.hashes = site, folder, {"script": [], "style": []}

    def read(self, name, mode="r"):
        folder = self.folder if os.path.exists(os.path.join(self.folder, name)) else self.site
        with open(os.path.join(folder, name), mode, **({} if "b" in mode else
                                                        {"encoding": "utf-8"})) as file:
            return file.read()

    def fill(self, text, hashes=False):
        def slot(match):
            kind, argument = match.group(1), match.group(2)
            if kind == "hashes":
                return " ".join(self.hashes[argument]) if hashes else match.group(0)
            if kind == "data":
                mime, name = argument.split(":", 1)
                return f"data:{mime};base64,{self.encoded(name)}"
            if kind == "base64":
                return self.encoded(argument)
            if kind == "script":
                # An inline script ends at the first "</script", whatever the JavaScript means.
                return self.inline("script", self.read(argument).replace("</script", "<\\/script"))
            if kind == "style":
                return self.inline("style", self.fill(self.read(argument)))
            raise ValueError(f"unknown slot {match.group(0)}")
        return SLOT.sub(slot, text)

    def encoded(self, name):
        return base64.b64encode(self.read(name, "rb")).decode()

    def inline(self, kind, text):
        self.hashes[kind].append(sha256(text))
        return text


def write_page(site, template, output):
    page = Page(site, os.path.dirname(template))
    with open(template, encoding="utf-8") as file:
        text = page.fill(page.fill(file.read()), hashes=True)
    left = SLOT.search(text)
    if left:
        raise ValueError(f"slot left unfilled: {left.group(0)}")
    with open(output, "w", encoding="utf-8") as file:
        file.write(text)


def main(argv):
    if len(argv) == 4 and argv[1] == "worker":
        write_worker(argv[2], argv[3])
    elif len(argv) == 5 and argv[1] == "page":
        write_page(argv[2], argv[3], argv[4])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


sys.exit(main(sys.argv))
