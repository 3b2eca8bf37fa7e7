"""Figures of the program under a screen reader, for run_benchmarks.py: the accessibility events
it sends a second while the search runs, and the CPU of the program, Orca and the accessibility
bus over the same seconds. Each is measured in a headless Orca session (tests/a11y), with the
window's own pacing and, for comparison, with Qt's own events alone."""

import contextlib
import re
import subprocess
import sys
import time
from pathlib import Path

sys.path[:0] = [str(Path(__file__).resolve().parents[1] / "tests" / folder)
                for folder in ("a11y", "support")]
# pylint: disable=wrong-import-position
from description import Description  # noqa: E402
from orcasession import OrcaSession, Script, cpu_seconds, missing_tools  # noqa: E402
from waiting import wait_for  # noqa: E402

WINDOW_SECONDS = 8.0


def stop_button_colour(session, window, probe):
    """The colour at probe: cmdStop's background, which shows the run state."""
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                              env=session.env, capture_output=True, text=True, check=True)
    origin = dict(line.split("=", 1) for line in geometry.stdout.split())
    x, y = int(origin["X"]) + probe[0], int(origin["Y"]) + probe[1]
    pixel = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "txt:-"],
                           env=session.env, capture_output=True, text=True, check=True)
    return re.search(r"#[0-9A-Fa-f]{6}", pixel.stdout).group(0)


def run_to_fourth_run(session, window, probe):
    """Starts runs until the fourth, from 288 to 1,681 houses: the first three halt within
    three seconds, the fourth runs for fourteen."""
    idle = stop_button_colour(session, window, probe)
    for _ in range(3):
        session.keys("space")
        # The first run halts within 40 ms, perhaps before it was seen.
        with contextlib.suppress(TimeoutError):
            wait_for(lambda: stop_button_colour(session, window, probe) != idle, 2, "a run")
        wait_for(lambda: stop_button_colour(session, window, probe) == idle, 60, "the halt")
    session.keys("space")
    wait_for(lambda: stop_button_colour(session, window, probe) != idle, 10, "the fourth run")
    return idle


def a11y_bus_pid(session):
    """The accessibility bus's daemon: the one whose socket lies in this session's folder."""
    for cmdline in Path("/proc").glob("[0-9]*/cmdline"):
        with contextlib.suppress(OSError):  # a process that ended meanwhile
            command = cmdline.read_bytes()
            if b"accessibility.conf" in command and str(session.home).encode() in command:
                return int(cmdline.parent.name)
    return None


def measure_session(program, orca, probe):
    """Events a second and CPU (% of a core) of program, Orca and bus while the search runs."""
    with OrcaSession(program, orca=orca, timeout=120) as session:
        window = session.launch()
        if orca:
            Script(session).expect(r".*push button.*", timeout=120)
        idle = run_to_fourth_run(session, window, probe)
        pids = {"program": session.app.pid, "orca": session.orca.pid if orca else None,
                "bus": a11y_bus_pid(session)}
        session.monitor_events()
        time.sleep(0.5)
        before = {name: cpu_seconds(pid) for name, pid in pids.items() if pid}
        started = time.time()
        time.sleep(WINDOW_SECONDS)
        after = {name: cpu_seconds(pid) for name, pid in pids.items() if pid}
        ended = time.time()
        if stop_button_colour(session, window, probe) == idle:
            raise RuntimeError("the run halted inside the measuring window")
        events = [t for t in session.event_times() if started <= t <= ended]
        figures = {f"{name}_cpu": 100 * (after[name] - before[name]) / (ended - started)
                   for name in after}
        figures["events_per_second"] = len(events) / (ended - started)
        return figures


def orca_figures(program, plain_program, formplaces):
    """Paced (the window's own) and plain (Qt's own, plain_program) figures, and the program alone
    with no screen reader; None when Orca or a tool is missing. formplaces gives cmdStop's place."""
    if missing_tools() or not all(Path(p).exists() for p in (program, plain_program, formplaces)):
        return None
    probe = Description(formplaces).inside("cmdStop")
    return {"paced": measure_session(program, True, probe),
            "plain": measure_session(plain_program, True, probe),
            "alone": measure_session(program, False, probe)}
