#!/usr/bin/env python3
"""Follows the search with Orca, as a blind user would: the window opens, Tab, Tab, four runs
started with Space, Where Am I, a flat review of the table, and a fifth run halted by Space. Checks what Orca says, in order,
and counts the accessibility events the program sends while it runs.

The window's texts come from its description, through FORMPLACES --texts.

Usage: tst_orca.py PROGRAM FORMPLACES [--show]. Exits 77 (skipped) when Orca or its helpers are
missing."""

import json
import re
import subprocess
import sys
import time

from orcasession import OrcaSession, Script, missing_tools

SOLUTIONS = [(15, 6, 8), (595, 35, 49), (20706, 204, 288), (706266, 1189, 1681)]
MAX_EVENTS_PER_SECOND = 12.0


class Texts:
    """What the window shows and a screen reader says, as regular expressions."""

    def __init__(self, formplaces):
        facts = json.loads(subprocess.run([formplaces, "--texts"], check=True,
                                          capture_output=True, text=True).stdout)
        controls = facts["controls"]
        self.title = re.escape(facts["title"])
        self.idle = re.escape(controls["cmdStop"]["text"])
        self.running = re.escape(facts["runningCaption"])
        self.esc = re.escape(controls["cmdEsc"]["text"])
        self.sum, self.house, self.street = (
            re.escape(controls[controls[field]["heading"]]["text"])
            for field in ("lblTot", "lblCivico", "lblCase"))
        self.unseen = [c["accessibleName"] for c in controls.values() if c["accessibleName"]]

    def answer(self, total, house, street, between=", "):
        return between.join(f"{heading} {value}" for heading, value in
                            ((self.sum, total), (self.house, house), (self.street, street)))


def run_scenario(session, script, texts):
    session.launch()
    script.expect(texts.title + r".*")
    script.expect(texts.idle + r" push button\.")
    session.keys("Tab")
    script.expect(texts.esc + r" push button\.")
    session.keys("Tab")
    script.expect(texts.idle + r" push button\.")
    rate = None
    for number, (total, house, street) in enumerate(SOLUTIONS, start=1):
        if number == len(SOLUTIONS):
            session.monitor_events()
            started = time.time()
        session.keys("space")
        script.expect(texts.running)
        script.expect(texts.answer(total, house, street) + r"\.?")
        script.expect(texts.idle)
        if number == len(SOLUTIONS):
            halted = time.time()
            times = [t for t in session.event_times() if started <= t <= halted]
            rate = len(times) / (halted - started)
    last = SOLUTIONS[-1]
    session.keys("KP_Enter")
    script.expect(texts.idle + r" push button " + texts.answer(*last) + r"\.")
    session.keys("KP_Subtract")
    session.keys("KP_7")
    script.expect(texts.answer(*last, between=" "))
    session.keys("Insert+KP_5")
    script.expect(f"{texts.sum} {last[0]} label\\.")
    session.keys("KP_7")
    script.expect(f"{texts.sum} {texts.house} {texts.street}")
    session.keys("KP_Subtract")
    script.expect(r"Leaving flat review\.")
    # A run halted by a click: the caption alone, and the empty street read as its heading once.
    session.keys("space")
    script.expect(texts.running)
    session.keys("space")
    script.expect(texts.idle)
    session.keys("KP_Subtract", "KP_7")
    script.expect(f"{texts.sum} \\d+ {texts.house} \\d+ {texts.street}")
    return rate


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    missing = missing_tools()
    if missing:
        print("skipped: missing " + ", ".join(missing))
        return 77
    with OrcaSession(sys.argv[1], timeout=120) as session:
        # Orca's echo of the keys pressed ends in a space; what the program says never does.
        script = Script(session, heard=lambda text: not text.endswith(" "))
        texts = Texts(sys.argv[2])
        try:
            rate = run_scenario(session, script, texts)
        finally:
            if "--show" in sys.argv:
                print("\n".join(repr(text) for text in session.utterances()))
        said = script.said()
        heard = [text for text in said if any(name in text for name in texts.unseen)]
        assert not heard, f"unseen fields were spoken: {heard!r}"
        print(f"a11y events/s while running: {rate:.1f}")
        assert rate <= MAX_EVENTS_PER_SECOND, f"{rate:.1f} events a second while running"
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
