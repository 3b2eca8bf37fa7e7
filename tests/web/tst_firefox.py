#!/usr/bin/python3
"""The page in Firefox ESR, which Debian ships without a WebDriver: its headless screenshot of the
served page, read back as pixels. The window lies centred on the backdrop, in its colours, with
the buttons' edges, and the statement fills its five lines inside its box, none cut off.
Everything expected comes from the window's description (description.json).

Usage: tst_firefox.py SITE_FOLDER DESCRIPTION_JSON"""

import os
import subprocess
import sys
import tempfile
from pathlib import Path

from pagesupport import TIMEOUT, Description, Picture, Server, expect, require
from tst_page import STATEMENT_LINES, check_look

FIREFOX = "/usr/bin/firefox-esr"
SIZE = (480, 400)
# Darker than any fill of the window: the statement's text.
INK = 0x60


def find_window(picture, d):
    """Where the window's face begins and ends across the middle of the screenshot."""
    face = d["dialogFace"]
    across = [x for x in range(picture.width) if picture.pixel(x, picture.height // 2) == face]
    down = [y for y in range(picture.height) if picture.pixel(picture.width // 2, y) == face]
    return [across[0], down[0], across[-1] + 1 - across[0], down[-1] + 1 - down[0]]


def statement_lines(picture, d):
    """The rows of ink in the statement's box, as runs: one run a line of text."""
    box = d.controls["Label5"]
    inked = [any(max(int(picture.at(x, y)[i:i + 2], 16) for i in (1, 3, 5)) < INK
                 for x in range(box["left"], box["left"] + box["width"]))
             for y in range(box["top"], box["top"] + box["height"])]
    edges = [any(max(int(picture.at(x, y)[i:i + 2], 16) for i in (1, 3, 5)) < INK
                 for y in range(box["top"], box["top"] + box["height"]))
             for x in (box["left"], box["left"] + box["width"] - 1)]
    runs = [y for y in range(len(inked)) if inked[y] and (y == 0 or not inked[y - 1])]
    return len(runs), inked[0] or inked[-1] or any(edges)


def main(argv):
    site, description = argv[1:3]
    require(FIREFOX, f"{site}/index.html", description)
    d = Description(description)
    with Server(site) as server, tempfile.TemporaryDirectory(prefix="ponderival-firefox-") as home:
        shot = Path(home) / "page.png"
        subprocess.run([FIREFOX, "--headless", "--no-remote", "--profile", home, "--screenshot",
                        str(shot), f"--window-size={SIZE[0]},{SIZE[1]}", server.url],
                       env={**os.environ, "HOME": home}, check=True, timeout=TIMEOUT * 2,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        picture = Picture(shot.read_bytes())
    width, height = d["window"]["width"], d["window"]["height"]
    expect(find_window(picture, d), [(SIZE[0] - width) // 2, (SIZE[1] - height) // 2, width,
                                     height], "the window in Firefox's screenshot, centred")
    picture.left, picture.top = (SIZE[0] - width) // 2, (SIZE[1] - height) // 2
    # Headless, Firefox's window has no focus to show.
    check_look(picture, d, d["stopLooks"]["idle"]["face"], None)
    expect(statement_lines(picture, d), (STATEMENT_LINES, False),
           "the statement's lines in Firefox, and whether ink touches its box's edges")
    print("PASS: the page in Firefox: the window, its colours and the statement's lines")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
