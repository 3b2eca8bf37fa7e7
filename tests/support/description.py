#!/usr/bin/env python3
"""The window's description, from which the tests, the benchmarks and the scripts take every text,
place and colour they expect: description.json as the build writes it, or what a formplaces
program gives with --json. As a program, SOURCE faces|centres|inside NAME, it prints for scripts
each face's "scalable|substitute", each control's centre "name x y", or "x y #rrggbb": a point
just inside the control's left edge, clear of its caption, and the control's colour."""

import json
import os
import subprocess
import sys
from pathlib import Path


class Description:
    def __init__(self, source):
        source = Path(source)
        if source.suffix != ".json" and os.access(source, os.X_OK):
            text = subprocess.run([str(source), "--json"], check=True, capture_output=True,
                                  text=True).stdout
        else:
            text = source.read_text(encoding="utf-8")
        self.data = json.loads(text)
        self.controls = {control["name"]: control for control in self.data["controls"]}
        self.page = self.data["page"]
        self.ids = self.page["ids"]

    def __getitem__(self, key):
        return self.data[key]

    def focusable(self):
        """The buttons that take the focus, in tab order."""
        return [c["name"] for c in self.data["controls"] if c["takesFocus"]]

    def seen_fields(self):
        """The fields under the table's headings, left to right."""
        fields = [c for c in self.data["controls"] if c["kind"] == "field" and c["heading"]]
        return sorted(fields, key=lambda f: f["left"])

    def heading(self, field):
        """The text that heads a field's column."""
        return self.controls[field["heading"]]["text"]

    def inside(self, name):
        """A point just inside the control's left edge, clear of its caption and focus frame."""
        control = self.controls[name]
        return control["left"] + 6, control["top"] + control["height"] // 2


def main(argv):
    try:
        description = Description(argv[1])
    except (OSError, ValueError, KeyError, subprocess.CalledProcessError) as error:
        sys.exit(f"{argv[0]}: no description in {argv[1]} ({error})")
    if argv[2] == "faces":
        for face in description["faces"]:
            print(f"{face['scalable']}|{face['substitute']}")
    elif argv[2] == "centres":
        for c in description["controls"]:
            print(c["name"], c["left"] + c["width"] // 2, c["top"] + c["height"] // 2)
    else:
        print(*description.inside(argv[3]), description.controls[argv[3]]["background"])


if __name__ == "__main__":
    main(sys.argv)
