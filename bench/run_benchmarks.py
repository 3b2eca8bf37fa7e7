#!/usr/bin/env python3
"""Runs every benchmark of the program and prints one table, each figure beside the comparison
measured in the same run. Usage: run_benchmarks.py BENCH_DIR [--runs N] [--windows BUILD_DIR]
[--web SITE_DIR DESCRIPTION_JSON]."""

import argparse
import contextlib
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "support"))
# pylint: disable=wrong-import-position
from figures import Rows, medians, parse_figures, start_runs_for  # noqa: E402
from orcafigures import orca_figures  # noqa: E402
from webbench import web_rows  # noqa: E402
from winebench import windows_rows  # noqa: E402
from xvfb import Xvfb  # noqa: E402


def run(bench, program, *args, env=None, timeout=300):
    return subprocess.run([str(bench / program), *args], capture_output=True, text=True,
                          env={**os.environ, **(env or {})}, timeout=timeout, check=True).stdout


def google_benchmark_median_us(bench, program, name, env):
    rows = json.loads(run(bench, program, f"--benchmark_filter=^{name}$",
                          "--benchmark_repetitions=9", "--benchmark_format=json", env=env))
    return next(row["real_time"] for row in rows["benchmarks"]
                if row.get("aggregate_name") == "median")


@contextlib.contextmanager
def accessibility_bus(bench, x_env):
    """A session bus with the accessibility bus on it and a listener that registers for the events
    a screen reader hears, as for a screen-reader user; None with no X server or no bus."""
    if not x_env or not shutil.which("dbus-daemon"):
        yield None
        return
    daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = daemon.stdout.readline().strip()
    env = {**x_env, "DBUS_SESSION_BUS_ADDRESS": address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
    listener = subprocess.Popen([str(bench / "bench_qtaccessibility"), "listen"],
                                env={**os.environ, **env}, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)
    try:
        yield env if listener.stdout.readline().startswith("listening") else None
    finally:
        for process in (listener, daemon):
            process.terminate()
            process.wait()


def tick_leg(bench, runs, env):
    """The medians of the tick benchmark's runs, of the program and then of the bare window."""
    return [medians([parse_figures(run(bench, "bench_ticks", *mode, env=env))
                     for _ in range(runs)]) for mode in ((), ("bare",))]


def startups(bench, runs, modes, env):
    """Starts each mode in turn, so that a drift in the machine's speed falls on all of them."""
    samples = {mode: [] for mode in modes}
    for _ in range(runs):
        for mode in modes:
            launch = {**env, "PONDERIVAL_LAUNCH_NS": str(time.time_ns())}
            samples[mode].append(parse_figures(run(bench, "bench_startup", mode, env=launch)))
    return [medians(samples[mode]) for mode in modes]


def cpu_row(row, a11y, program, bare):
    cpu = program["cpu_percent"]
    row(f"CPU running, X11, a11y {a11y} (% core)", f"{cpu:.2f}", f"{bare['cpu_percent']:.2f}",
        "bare window", "<= 3", cpu <= 3)


def tick_rows(row, bench, runs, offscreen):
    """The tick rate offscreen and, on a private Xvfb where there is one, on X11, with the CPU
    there with accessibility off and on."""
    with Xvfb() if shutil.which("Xvfb") else contextlib.nullcontext() as server:
        x_env = server and {"DISPLAY": server.display, "QT_QPA_PLATFORM": "xcb"}
        for name, env in [("offscreen", offscreen)] + ([("X11", x_env)] if x_env else []):
            program, bare = tick_leg(bench, runs, env)
            rate = program["tick_rate_percent"]
            row(f"tick rate, {name} (% of 100/s)", f"{rate:.2f}",
                f"{bare['tick_rate_percent']:.2f}", "bare window", ">= 99.5", rate >= 99.5)
            if name == "X11":
                cpu_row(row, "off", program, bare)
        with accessibility_bus(bench, x_env) as a11y_env:
            if a11y_env:
                cpu_row(row, "on", *tick_leg(bench, runs, a11y_env))


def screen_reader_rows(row, bench):
    """Orca following the fourth run, with the window's paced events and with Qt's own."""
    figures = orca_figures(bench.parent / "window" / "qt" / "ponderival",
                           bench / "bench_qtaccessibility",
                           bench.parent / "windowmodel" / "ponderival_formplaces")
    if not figures:
        return
    paced, plain, alone = figures["paced"], figures["plain"], figures["alone"]
    rate = paced["events_per_second"]
    row("a11y events/s while running", f"{rate:.1f}", f"{plain['events_per_second']:.1f}",
        "Qt's own events", "<= 10", rate <= 10.5)
    cpu = lambda f: f"{f['program_cpu']:.1f} / {f['orca_cpu']:.1f} / {f['bus_cpu']:.1f}"
    ratio = paced["program_cpu"] / max(alone["program_cpu"], 0.1)
    row("CPU while running with Orca (program, Orca, bus)", cpu(paced), cpu(plain),
        f"Qt's own events (% core); program {ratio:.2f}x its {alone['program_cpu']:.1f} "
        "with no screen reader", "program <= 1.5x", ratio <= 1.5)


def measure(bench, runs):
    offscreen = {"QT_QPA_PLATFORM": "offscreen"}
    row = Rows()

    window_us = google_benchmark_median_us(bench, "bench_ticks", "worstStepWindow", offscreen)
    core_us = google_benchmark_median_us(bench, "bench_search", "worstStepCore", offscreen)
    row("worst step, n = 7070 (us)", f"{window_us:.1f}", f"{core_us:.1f}", "core alone",
        "<= 500 through the window", window_us <= 500)

    tick_rows(row, bench, runs, offscreen)
    screen_reader_rows(row, bench)

    start_runs = start_runs_for(runs)
    window, bare, text = startups(bench, start_runs, ("window", "bare", "text"), offscreen)
    # Against a bare window that draws the same texts in the same fonts: what the window costs
    # beyond what it shows.
    for key, label in (("first_paint_ms", "start-up to first frame (ms)"),
                       ("peak_rss_mib", "peak resident memory (MiB)")):
        ratio = window[key] / text[key]
        row(label, f"{window[key]:.1f}", f"{text[key]:.1f} / {bare[key]:.1f}",
            f"bare window with its texts / bare ({ratio:.2f}x / {window[key] / bare[key]:.2f}x)",
            "<= 1.1x with its texts", ratio <= 1.1)

    memory = parse_figures(run(bench, "bench_startup", "memory", env=offscreen, timeout=900))
    growth = memory["rss_after_mib"] - memory["rss_before_mib"]
    row("memory growth, 65,535 steps (MiB)", f"{growth:.2f}", f"{memory['rss_before_mib']:.1f}",
        "resident before", "<= 1 MB", growth <= 1.0)
    return row


def print_table(rows, runs):
    header = ("measure", "Ponderival", "comparison", "compared with", "target", "met")
    widths = [max(len(str(cells[i])) for cells in [header, *rows]) for i in range(len(header))]
    line = lambda cells: "| " + " | ".join(str(c).ljust(w) for c, w in zip(cells, widths)) + " |"
    print(f"{os.cpu_count()} cores; medians of {runs} runs (start-up: {start_runs_for(runs)} runs)")
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for cells in rows:
        print(line(cells))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("bench", type=Path, help="the folder of the built benchmark programs")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--windows", type=Path, metavar="BUILD_DIR",
                        help="also time the Windows program under Wine, from this build folder")
    parser.add_argument("--web", type=Path, nargs=2, metavar=("SITE_DIR", "DESCRIPTION_JSON"),
                        help="also time the web page in headless Chromium, from its built site")
    args = parser.parse_args()
    os.environ.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="ponderival-bench-"))
    try:
        rows = measure(args.bench.resolve(), args.runs)
    except FileNotFoundError as missing:
        sys.exit(f"No benchmark program {missing.filename}: build with "
                 "-DPONDERIVAL_BUILD_BENCHMARKS=ON, as scripts/bench.sh does.")
    if args.windows:
        qt_events = next((float(cells[1]) for cells in rows
                          if cells[0] == "a11y events/s while running"), None)
        rows += windows_rows(args.windows.resolve(), args.runs, start_runs_for(args.runs),
                             qt_events)
    if args.web:
        site, description = (path.resolve() for path in args.web)
        rows += web_rows(site, description, args.runs)
    print_table(rows, args.runs)


if __name__ == "__main__":
    main()
