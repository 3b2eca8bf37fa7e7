"""What the benchmark programs print and how the table takes it: "name=value" lines, medians of
runs, and where the leg of the search that the tick benchmarks time begins."""

import re
import statistics
from pathlib import Path

# lblN as the third solution leaves it, read from the leg's one definition, bench/tickleg.h.
TICKLEG = Path(__file__).with_name("tickleg.h").read_text(encoding="utf-8")
LEG_FIRST_N = int(re.search(r"firstN = (\d+);", TICKLEG).group(1))


def parse_figures(output):
    return {key: float(value) for key, value in
            (line.split("=", 1) for line in output.splitlines() if "=" in line)}


def start_runs_for(runs):
    """How many times each program is started and each page loaded, alternating with what it is
    compared with: a single start scatters by a quarter either way, under Wine and natively alike,
    and fifteen left a ratio moving by 0.07 from one run to the next."""
    return max(runs * 10, 40)


def medians(samples):
    """Each figure's median over the runs, given as one dict of figures a run."""
    return {key: statistics.median(sample[key] for sample in samples) for key in samples[0]}


class Rows(list):
    """Rows of the table (measure, Ponderival, comparison, compared with, target, met), each added
    by calling it: met is "yes" or "NO", or "-" for None, where no target is set."""

    def __init__(self, prefix=""):
        super().__init__()
        self.prefix = prefix

    def __call__(self, name, value, comparison, compared_with, target, met):
        self.append((self.prefix + name, value, comparison, compared_with, target,
                     "-" if met is None else "yes" if met else "NO"))
