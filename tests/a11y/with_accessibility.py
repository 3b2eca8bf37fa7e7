#!/usr/bin/env python3
"""Runs a Qt program with accessibility on: Xvfb, a private session bus with the accessibility bus
on it, the X11 platform and Qt's bridge switched on as a screen reader would switch it on. Qt's
offscreen platform never turns accessibility on, and without it no accessibility event is sent.

Usage: with_accessibility.py PROGRAM [ARGS...]. Exits 77, naming it, when a tool is missing."""

import subprocess
import sys

from orcasession import OrcaSession, exit_if_missing, missing_tools


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    exit_if_missing([tool for tool in missing_tools()
                     if "orca" not in tool and "speech" not in tool])
    with OrcaSession(sys.argv[1], orca=False) as session:
        env = {**session.env, "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        return subprocess.run(sys.argv[1:], env=env, check=False, timeout=600).returncode


if __name__ == "__main__":
    sys.exit(main())
