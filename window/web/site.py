#!/usr/bin/python3
"""Finishes Ponderival's page once all its files are built.

    site.py page SITE_FOLDER TEMPLATE OUTPUT_HTML
    site.py worker SITE_FOLDER TEMPLATE

"page" writes a page from a TEMPLATE that the page's writer left, filling its
slots, @@kind:argument@@, where a FILE is the one beside the template or else
the site's:
    @@data:MIME:FILE@@   the file as a data URL
    @@base64:FILE@@      the file in base64
    @@script:FILE@@      the file's text as an inline script
    @@style:FILE@@       the file as an inline style, its own slots filled first
    @@hashes:script@@, @@hashes:style@@   the policy's hashes of what the other
                         slots put inline
So are made the served index.html and the single file that opens from disk
with no server.

"worker" writes SITE_FOLDER/sw.js from TEMPLATE: the service worker keeps
every file of the site, and its cache is named after their contents, so that
a new build replaces an old one at once.
"""

import base64
import hashlib
import json
import re
import sys
from pathlib import Path

WORKER = "sw.js"
SLOT = re.compile(r"@@([a-z0-9]+):([^@]+)@@")


def write_worker(site, template):
    site = Path(site)
    files = sorted(path.relative_to(site).as_posix() for path in site.rglob("*") if path.is_file())
    files = [name for name in files if name != WORKER]
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    # "./" is the page itself, as a browser asks for it when the site is opened by its folder.
    listed = ", ".join(json.dumps(name) for name in ["./"] + files)
    text = Path(template).read_text(encoding="utf-8")
    text = text.replace("@VERSION@", digest.hexdigest()[:16]).replace("@FILES@", listed)
    (site / WORKER).write_text(text, encoding="utf-8")


def write_page(site, template, output):
    hashes = {"script": [], "style": []}

    def find(name):
        beside = Path(template).parent / name
        return beside if beside.exists() else Path(site) / name

    def encoded(name):
        return base64.b64encode(find(name).read_bytes()).decode()

    def fill(match):
        kind, argument = match.groups()
        if kind == "hashes":  # filled last, once all they hash is in
            return match.group(0)
        if kind == "data":
            mime, name = argument.split(":", 1)
            return f"data:{mime};base64,{encoded(name)}"
        if kind == "base64":
            return encoded(argument)
        if kind not in ("script", "style"):
            raise ValueError(f"unknown slot {match.group(0)}")
        text = find(argument).read_text(encoding="utf-8")
        # An inline script ends at the first "</script", whatever the JavaScript means.
        text = text.replace("</script", "<\\/script") if kind == "script" else SLOT.sub(fill, text)
        digest = base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()
        hashes[kind].append(f"'sha256-{digest}'")
        return text

    text = SLOT.sub(fill, Path(template).read_text(encoding="utf-8"))
    text = re.sub(r"@@hashes:(script|style)@@", lambda match: " ".join(hashes[match[1]]), text)
    left = SLOT.search(text)
    if left:
        raise ValueError(f"slot left unfilled: {left.group(0)}")
    Path(output).write_text(text, encoding="utf-8")


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
