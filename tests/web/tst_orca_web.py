#!/usr/bin/env python3
"""Follows the page's search with Orca, as a blind user would: Chromium (not headless, its
renderer's accessibility on) on the private Xvfb and buses of the Qt Orca test, the page served on
127.0.0.1 as scripts/serve-web.sh serves it. The title and the focused button, Tab round the two
buttons, a run started with Space up to the first answer, Where Am I on the focused button, the
fields read with their headings, and the unseen fields never spoken. Every text expected comes from
description.json, which the build writes from the window's description beside the page.

Usage: tst_orca_web.py SITE_DIR DESCRIPTION_JSON [--show]. Exits 77
(skipped) when the page is not built or a tool is missing."""

import json
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path[:0] = [str(Path(__file__).resolve().parents[1] / folder)
                for folder in ("a11y", "support")]
from orcasession import OrcaSession, Script, missing_tools  # noqa: E402
from chromium import BINARY, Server, arguments  # noqa: E402
from description import Description  # noqa: E402
from waiting import wait_for  # noqa: E402

FIRST_ANSWER = (15, 6, 8)
ORCA_SETTINGS = "orca.settings.sayAllOnLoad = False"
CHROMIUM_FLAGS = ["--force-renderer-accessibility", "--disable-features=Translate",
                  "--window-position=0,0", "--window-size=800,600"]


class Expected:
    """The texts Orca should say, read from the page's own description of the window."""

    def __init__(self, description):
        controls = description.controls
        self.title = description["window"]["accessibleName"]
        self.start, self.esc = controls["cmdStop"]["text"], controls["cmdEsc"]["text"]
        self.running = description["stopLooks"]["running"]["caption"]
        headed = sorted((c for c in controls.values() if c["heading"] and c["visible"]),
                        key=lambda control: control["left"])
        self.fields = [f"{description.heading(control)} {value}"
                       for control, value in zip(headed, FIRST_ANSWER)]


def open_page(session, url, title):
    """Chromium with a fresh profile that offers no translation of the Italian page."""
    profile = Path(tempfile.mkdtemp(prefix="chromium-", dir=session.home))
    (profile / "Default").mkdir()
    (profile / "Default/Preferences").write_text(json.dumps({"translate": {"enabled": False}}))
    session.start([BINARY, *arguments(*CHROMIUM_FLAGS, f"--user-data-dir={profile}",
                                      f"--app={url}")],
                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", re.escape(title)],
                               env=session.env, capture_output=True, text=True, check=False)
        return found.stdout.split()[-1] if found.stdout.split() else None
    # With no window manager on the server, keyboard focus is given to the window directly.
    subprocess.run(["xdotool", "windowfocus", "--sync", wait_for(window, 120, "the page")],
                   env=session.env, check=True, timeout=60)


def run_scenario(session, script, expected):
    script.expect(r"Finished loading " + re.escape(expected.title) + r"\.")
    script.expect(re.escape(expected.start) + r" push button\.")
    script.press("Tab", "tab ")
    script.expect(re.escape(expected.esc) + r" push button\.")
    script.press("Tab", "tab ")
    script.expect(re.escape(expected.start) + r" push button\.")
    script.press("space", "space ")
    script.expect(re.escape(expected.running))
    # The focused button's new caption is spoken as it changes, and the answer by the live region
    # after it, so "Avanti!" may come before or after the answer: both must come.
    script.expect_all([re.escape(", ".join(expected.fields)), re.escape(expected.start)])
    # Where Am I, then the line above the buttons: the table's fields, each with its heading.
    script.press("KP_Enter")
    script.expect(re.escape(f"{expected.start} push button."))
    script.press("Up")
    for field in expected.fields:
        script.expect(re.escape(field) + r"\.")


def missing_for(site, description):
    return missing_tools() + [str(path) for path in (Path(BINARY), site / "index.html",
                                                     description) if not path.exists()]


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    site, description = Path(sys.argv[1]), Path(sys.argv[2])
    missing = missing_for(site, description)
    if missing:
        print("skipped: missing " + ", ".join(missing))
        return 77
    table = Description(description)
    expected = Expected(table)
    # What a screen reader would call the unseen fields, were they ever exposed.
    unseen = [c["accessibleName"] for c in table["controls"] if not c["visible"] and c["accessibleName"]]
    # A page that has loaded reads its focused line, as a window that opens says its focused button,
    # rather than reading on to its end.
    with Server(site) as server, \
            OrcaSession("chromium", timeout=120, orca_settings=ORCA_SETTINGS) as session:
        script = Script(session)
        try:
            open_page(session, server.url + "index.html", expected.title)
            run_scenario(session, script, expected)
        finally:
            if "--show" in sys.argv:
                print("\n".join(repr(text) for text in session.utterances()))
        heard = [text for text in session.utterances() if any(name in text for name in unseen)]
        assert unseen and not heard, f"unseen fields were spoken: {heard!r}"
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
