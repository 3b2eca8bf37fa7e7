"""Waiting as every GUI test and benchmark here waits: on a condition, looking again and again
until it holds, up to a deadline, never for a fixed time; and on a process started in the
background, which ends with the with-block it was started for."""

import contextlib
import time

TIMEOUT = 60


def wait_for(condition, timeout, what, poll=0.05):
    """Polls until condition() gives something true, and gives that; fails after timeout
    seconds."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(poll)
    raise TimeoutError(f"gave up waiting for {what} after {timeout} s")


class Started(contextlib.AbstractContextManager):
    """A process, self.process, ended by stop() or at the end of the with-block."""

    process = None  # a subprocess.Popen, once the subclass has started it

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(TIMEOUT)

    def __exit__(self, *_):
        self.stop()
