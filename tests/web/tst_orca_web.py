#!/usr/bin/env python3
"""Follows the page's search with Orca, as a blind user would: Chromium (not headless, its
renderer's accessibility on) on the private Xvfb and buses of the Qt Orca test, the page served on
127.0.0.1. The title and the focused button, Tab round the two buttons, a run started with Space
up to the first answer, Where Am I on the focused button, the fields read with their headings, and
the unseen fields never spoken. Every text expected comes from description.json.

Usage: tst_orca_web.py SITE_DIR DESCRIPTION_JSON [--show]. Exits 77
(skipped) when the page is not built or a tool is missing."""

import json
import sys
from pathlib import Path

sys.path[:0] = [str(Path(__file__).resolve().parents[1] / folder)
                for folder in ("a11y", "support")]
from orcasession import OrcaSession, Script, Texts, exit_if_missing, missing_tools  # noqa: E402
from chromium import BINARY, Server, arguments  # noqa: E402
from waiting import wait_for  # noqa: E402

FIRST_ANSWER = (15, 6, 8)
ORCA_SETTINGS = "orca.settings.sayAllOnLoad = False"
CHROMIUM_FLAGS = ["--force-renderer-accessibility", "--disable-features=Translate",
                  "--window-position=0,0", "--window-size=800,600"]


def open_page(session, url, title):
    """Chromium with a fresh profile that offers no translation of the Italian page; title: a
    regular expression that the page's title matches."""
    profile = session.home / "chromium"
    (profile / "Default").mkdir(parents=True)
    (profile / "Default/Preferences").write_text(json.dumps({"translate": {"enabled": False}}))
    session.start([BINARY, *arguments(*CHROMIUM_FLAGS, f"--user-data-dir={profile}",
                                      f"--app={url}")])
    session.focus(wait_for(lambda: session.find_window("--name", title), 120, "the page"))


def run_scenario(script, texts):
    script.expect(r"Finished loading " + texts.title + r"\.")
    script.tab_round(texts, "tab ")
    script.press("space", "space ")
    script.expect(texts.running)
    # The focused button's new caption is spoken as it changes, and the answer by the live region
    # after it, so "Avanti!" may come before or after the answer: both must come.
    script.expect_all([texts.answer(*FIRST_ANSWER), texts.idle])
    # Where Am I, then the line above the buttons: the table's fields, each with its heading.
    script.press("KP_Enter")
    script.expect(texts.idle + r" push button\.")
    script.press("Up")
    for field in texts.fields(*FIRST_ANSWER):
        script.expect(field + r"\.")


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    site, description = Path(sys.argv[1]), Path(sys.argv[2])
    exit_if_missing(missing_tools() + [str(path) for path in (Path(BINARY), site / "index.html",
                                                              description) if not path.exists()])
    texts = Texts(description)
    # A page that has loaded reads its focused line, as a window that opens says its focused
    # button, rather than reading on to its end.
    with Server(site) as server, OrcaSession("chromium", timeout=120, orca_settings=ORCA_SETTINGS,
                                             show="--show" in sys.argv) as session:
        script = Script(session)
        open_page(session, server.url + "index.html", texts.title)
        run_scenario(script, texts)
        texts.check_unseen(session.utterances())
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
