#!/usr/bin/python3
"""Finishes Ponderival's page once all its files are built.

    site.py worker SITE_FOLDER TEMPLATE
    site.py single SITE_FOLDER DESCRIPTION_JSON OUTPUT_HTML

"worker" writes SITE_FOLDER/sw.js from TEMPLATE: the service worker keeps
every file of the site, and its cache is named after their contents, so that
a new build replaces an old one at once.

"single" writes the whole page as one HTML file that opens from disk with no
server: style sheet and scripts inline, allowed by their hashes in the page's
policy, the WebAssembly module, the fonts and the icon carried as base64. The
installable parts (manifest and service worker) are left out: a page from
disk can use neither.
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


def data_url(path, kind):
    with open(path, "rb") as file:
        return f"data:{kind};base64,{base64.b64encode(file.read()).decode()}"


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


class SingleFile:
    """The page with its files inlined, and the hashes its policy must allow them by."""

    def __init__(self, site):
        self.site, self.hashes = site, {"script": [], "style": []}

    def read(self, name):
        with open(os.path.join(self.site, name), encoding="utf-8") as file:
            return file.read()

    def style(self, match):
        fonts = r'url\("([^"]+\.woff2)"\)'
        css = re.sub(fonts, lambda font: f'url("{self.data(font.group(1), "font/woff2")}")',
                     self.read(match.group(1)))
        self.hashes["style"].append(sha256(css))
        return f"<style>{css}</style>"

    def script(self, match):
        # An inline script ends at the first "</script", whatever the JavaScript means by it.
        code = self.read(match.group(1)).replace("</script", "<\\/script")
        self.hashes["script"].append(sha256(code))
        return f"<script>{code}</script>"

    def icon(self, match):
        return f'<link rel="icon" href="{self.data(match.group(1), "image/png")}">'

    def data(self, name, kind):
        return data_url(os.path.join(self.site, name), kind)

    def policy(self):
        return ("default-src 'none'; script-src " + " ".join(self.hashes["script"]) +
                " 'wasm-unsafe-eval'; style-src " + " ".join(self.hashes["style"]) +
                "; img-src data:; font-src data:; object-src 'none'; base-uri 'none'; "
                "form-action 'none'")


def write_single(site, description, output):
    with open(description, encoding="utf-8") as file:
        names = json.load(file)["page"]
    wasm_file = os.path.splitext(names["moduleScript"])[0] + ".wasm"
    single = SingleFile(site)
    page = single.read("index.html")
    page = re.sub(r'<link rel="manifest" href="[^"]+">\n', "", page)
    page = re.sub(r'<link rel="icon" href="([^"]+)">', single.icon, page)
    page = re.sub(r'<link rel="stylesheet" href="([^"]+)">', single.style, page)
    wasm = single.data(wasm_file, "application/wasm").split(",", 1)[1]
    carried = (f'<script type="application/octet-stream" id="{names["embeddedWasm"]}">'
               f"{wasm}</script>")
    page = page.replace("</head>", carried + "\n</head>")
    page = re.sub(r'<script src="([^"]+)" defer></script>', single.script, page)
    page = re.sub(r'(<meta http-equiv="Content-Security-Policy" content=")[^"]*(">)',
                  lambda meta: meta.group(1) + single.policy() + meta.group(2), page)
    with open(output, "w", encoding="utf-8") as file:
        file.write(page)


def main(argv):
    if len(argv) == 4 and argv[1] == "worker":
        write_worker(argv[2], argv[3])
    elif len(argv) == 5 and argv[1] == "single":
        write_single(argv[2], argv[3], argv[4])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


sys.exit(main(sys.argv))
