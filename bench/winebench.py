"""The Windows program's rows of the benchmark table, measured under Wine on a private Xvfb:
Ponderival.exe beside a bare Windows window (bench/win32/barewindow.cpp), each started and timed
from outside by bench/win32/winbench.cpp in one Wine prefix of their own, and the accessibility
events Ponderival.exe raises while running, heard by an out-of-context WinEvent listener beside the
Qt window's paced events."""

import os
import shlex
import subprocess
import tempfile
from pathlib import Path

from figures import Rows, medians, parse_figures

WITH_WINE = Path(__file__).resolve().parent.parent / "scripts" / "with-wine.sh"


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def run_under_wine(legs, timeout):
    """Runs each (label, winbench arguments) leg in turn, in one Wine, and gives back each label's
    figures as {label: [{name: value}, ...]}, one dict per run."""
    script = "set -e\n" + "".join(f"echo @{label}\nwine {shlex.join(args)}\n"
                                   for label, args in legs)
    env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    done = subprocess.run([str(WITH_WINE), "sh", "-c", script], capture_output=True, text=True,
                          env=env, timeout=timeout, check=True)
    runs = {}
    for leg in ("\n" + done.stdout).split("\n@")[1:]:
        label, _, output = leg.partition("\n")
        runs.setdefault(label, []).append(parse_figures(output))
    return runs


def measure_windows(build, runs, start_runs):
    winbench = str(build / "bench" / "win32" / "winbench.exe")
    program = build / "window" / "win32" / "Ponderival.exe"
    bare = build / "bench" / "win32" / "barewindow.exe"
    subjects = {"program": ["--form", windows_path(program)], "bare": [windows_path(bare)]}
    legs = []
    # Alternated, so that a slower stretch of the machine falls on both alike; both timed until
    # the window's fills are on screen.
    for _ in range(start_runs):
        legs += [(f"{name} startup", [winbench, "startup", "--form", args[-1]])
                 for name, args in subjects.items()]
    # Ponderival's legs of ticks and of events first run to the third answer (two seconds), untimed.
    for _ in range(runs):
        legs += [("program ticks", [winbench, "ticks", *subjects["program"]]),
                 ("bare ticks", [winbench, "ticks", *subjects["bare"], "ticking"]),
                 ("program events", [winbench, "events", *subjects["program"]])]
    figures = {label: medians(samples)
               for label, samples in run_under_wine(legs, timeout=600 + 30 * runs).items()}
    return figures, file_sizes(program), file_sizes(bare)


def file_sizes(program):
    """The program file's size as built and as the ZIP and the installer ship it, stripped."""
    with tempfile.TemporaryDirectory() as folder:
        stripped = Path(folder) / program.name
        subprocess.run(["x86_64-w64-mingw32-strip", "-o", str(stripped), str(program)], check=True)
        return program.stat().st_size, stripped.stat().st_size


def windows_rows(build, runs, start_runs, qt_events=None):
    """The rows (measure, Ponderival, comparison, compared with, target, met) of the Windows
    program, from the windows preset's build folder; qt_events is the Qt window's figure of
    accessibility events a second while running, measured in the same run, if there is one."""
    figures, program_size, bare_size = measure_windows(build, runs, start_runs)
    row = Rows("Wine: ")
    start, bare_start = figures["program startup"], figures["bare startup"]
    for key, label, most in (("first_paint_ms", "start-up to first paint (ms)", 1.1),
                             ("peak_working_set_mib", "peak working set (MiB)", 1.2)):
        ratio = start[key] / bare_start[key]
        row(label, f"{start[key]:.1f}", f"{bare_start[key]:.1f}",
            f"bare Windows window with its texts, fills, outline and focus ({ratio:.2f}x)",
            f"<= {most}x bare", ratio <= most)
    ticks, bare_ticks = figures["program ticks"], figures["bare ticks"]
    rate = ticks["tick_rate_percent"]
    row("tick rate (% of 100/s)", f"{rate:.2f}", f"{bare_ticks['tick_rate_percent']:.2f}",
        "bare Windows window", ">= 99.5", rate >= 99.5)
    cpu = ticks["cpu_percent"]
    row("CPU running (% core)", f"{cpu:.2f}", f"{bare_ticks['cpu_percent']:.2f}",
        "bare Windows window", "<= 3", cpu <= 3)
    events = figures["program events"]["events_per_second"]
    row("a11y events/s while running", f"{events:.1f}",
        "-" if qt_events is None else f"{qt_events:.1f}",
        "Qt window's paced events (Orca); no annotations under Wine", "<= 10", events <= 10.5)
    (program_built, program_shipped), (bare_built, bare_shipped) = program_size, bare_size
    row.append(("Ponderival.exe, stripped as shipped (KiB)", f"{program_shipped / 1024:.1f}",
                f"{bare_shipped / 1024:.1f}", f"bare Windows window, same linking "
                f"({program_built / 1024:.1f} / {bare_built / 1024:.1f} as built)", "-", "-"))
    return row
