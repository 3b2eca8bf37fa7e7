#!/usr/bin/env python3
"""A private X server for the tests, the benchmarks and the scripts: Xvfb on a display it picks
itself (-displayfd), so that servers started side by side never race for one as xvfb-run -a can,
listening on no TCP port. As a program, [--size WxHxD] COMMAND [ARG...], it runs the command on
such a server, which ends with it, and exits with the command's status."""

import os
import select
import signal
import subprocess
import sys

from waiting import TIMEOUT, Started


class Xvfb(Started):
    """Use as a context manager, or call stop(); display is ":N"."""

    def __init__(self, size="1024x768x24"):
        read_end, write_end = os.pipe()
        # No reset when the last client leaves: a program connecting just then would be refused.
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as number:
            ready, _, _ = select.select([number], [], [], TIMEOUT)
            self.display = ":" + (number.readline().strip() if ready else "")
        if self.display == ":":
            self.stop()
            raise RuntimeError("Xvfb did not start")


def main(argv):
    size, command = (argv[2], argv[3:]) if argv[1:2] == ["--size"] else ("1024x768x24", argv[1:])
    if not command:
        print(__doc__, file=sys.stderr)
        return 2
    with Xvfb(size) as server:
        child = subprocess.Popen(command, env={**os.environ, "DISPLAY": server.display})
        # A signal that ends this ends the command first, and the server once it has ended.
        for ending in (signal.SIGTERM, signal.SIGHUP):
            signal.signal(ending, lambda number, _: child.send_signal(number))
        signal.signal(signal.SIGINT, signal.SIG_IGN)
        status = child.wait()
    return status if status >= 0 else 128 - status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
