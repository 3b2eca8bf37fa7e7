#!/usr/bin/env python3
"""Follows the search with Orca, as a blind user would: the window opens, Tab, Tab, four runs
started with Space, Where Am I, a flat review of the table, and a fifth run halted by Space. Checks what Orca says, in order,
and counts the accessibility events the program sends while it runs.

Usage: tst_orca.py PROGRAM [--show]. Exits 77 (skipped) when Orca or its helpers are missing."""

import re
import sys
import time

from orcasession import OrcaSession, missing_tools, wait_for

TITLE = "Quesito delle case numerate"
SOLUTIONS = [(15, 6, 8), (595, 35, 49), (20706, 204, 288), (706266, 1189, 1681)]
UNSEEN = ("Ultima casa prima del candidato", "Somma delle case dopo il candidato")
MAX_EVENTS_PER_SECOND = 12.0


class Script:
    """What Orca has said, read forward: each expectation must come after the previous one."""

    def __init__(self, session):
        self.session = session
        self.position = 0

    def spoken(self):
        # Orca's echo of the keys pressed ends in a space; what the program says never does.
        return [text for text in self.session.utterances() if not text.endswith(" ")]

    def expect(self, pattern, timeout=120):
        def found():
            said = self.spoken()
            for index in range(self.position, len(said)):
                if re.fullmatch(pattern, said[index]):
                    return index + 1
            return None
        try:
            self.position = wait_for(found, timeout, f"Orca to say {pattern!r}")
        except TimeoutError:
            raise AssertionError(f"Orca did not say {pattern!r} after "
                                 f"{self.spoken()[:self.position]!r}; "
                                 f"it went on with {self.spoken()[self.position:]!r}") from None


def run_scenario(session, script):
    session.launch()
    script.expect(re.escape(TITLE) + r".*")
    script.expect(r"Avanti! push button\.")
    session.keys("Tab")
    script.expect(r"Esc push button\.")
    session.keys("Tab")
    script.expect(r"Avanti! push button\.")
    rate = None
    for number, (total, house, street) in enumerate(SOLUTIONS, start=1):
        if number == len(SOLUTIONS):
            session.monitor_events()
            started = time.time()
        session.keys("space")
        script.expect(r"Stop!")
        script.expect(f"Somma {total}, Numero {house}, Case {street}\\.?")
        script.expect(r"Avanti!")
        if number == len(SOLUTIONS):
            halted = time.time()
            times = [t for t in session.event_times() if started <= t <= halted]
            rate = len(times) / (halted - started)
    answer = r"Somma 706266, Numero 1189, Case 1681"
    session.keys("KP_Enter")
    script.expect(r"Avanti! push button " + answer + r"\.")
    session.keys("KP_Subtract")
    session.keys("KP_7")
    script.expect(r"Somma 706266 Numero 1189 Case 1681")
    session.keys("Insert+KP_5")
    script.expect(r"Somma 706266 label\.")
    session.keys("KP_7")
    script.expect(r"Somma Numero Case")
    session.keys("KP_Subtract")
    script.expect(r"Leaving flat review\.")
    # A run halted by a click: the caption alone, and the empty street read as its heading once.
    session.keys("space")
    script.expect(r"Stop!")
    session.keys("space")
    script.expect(r"Avanti!")
    session.keys("KP_Subtract", "KP_7")
    script.expect(r"Somma \d+ Numero \d+ Case")
    return rate


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    missing = missing_tools()
    if missing:
        print("skipped: missing " + ", ".join(missing))
        return 77
    with OrcaSession(sys.argv[1], timeout=120) as session:
        script = Script(session)
        try:
            rate = run_scenario(session, script)
        finally:
            if "--show" in sys.argv:
                print("\n".join(repr(text) for text in session.utterances()))
        said = script.spoken()
        heard = [text for text in said if any(name in text for name in UNSEEN)]
        assert not heard, f"unseen fields were spoken: {heard!r}"
        print(f"a11y events/s while running: {rate:.1f}")
        assert rate <= MAX_EVENTS_PER_SECOND, f"{rate:.1f} events a second while running"
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
