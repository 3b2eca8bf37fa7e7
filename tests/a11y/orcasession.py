"""A headless screen-reader session for the real program: Xvfb, a private session bus with the
accessibility bus on it, speech-dispatcher speaking through espeak-ng to a null audio driver, and
Orca writing everything it says to a debug log. Keys reach the program and Orca through XTEST.
What Orca should say comes from the window's description."""

import contextlib
import fcntl
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
# pylint: disable=wrong-import-position
from description import Description  # noqa: E402
from waiting import wait_for  # noqa: E402
from xvfb import Xvfb  # noqa: E402

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\[?(?:\{[^}]*\})?\]?$", re.M)
EVENT_TIME = re.compile(r"signal time=([0-9.]+) .*interface=org\.a11y\.atspi\.Event\.Object;")
SPEECHD_CONF = """AudioOutputMethod "libao"
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
LogLevel 0
"""
NEEDED = ("Xvfb", "dbus-daemon", "dbus-monitor", "dbus-send", "stdbuf", "orca", "xdotool",
          "speech-dispatcher")
BUS_LAUNCHER = Path("/usr/libexec/at-spi-bus-launcher")
# Two Orcas starting together on a busy machine time out waiting for each other's speech server,
# whichever test run they belong to: every session with Orca holds this lock.
ORCA_LOCK = Path(tempfile.gettempdir()) / "ponderival-orca.lock"


def missing_tools():
    missing = [tool for tool in NEEDED if not shutil.which(tool)]
    return missing + ([str(BUS_LAUNCHER)] if not BUS_LAUNCHER.exists() else [])


def exit_if_missing(missing):
    """Exits 77, naming what is missing, which CTest counts as skipped where tests may skip."""
    if missing:
        print("missing: " + ", ".join(missing), file=sys.stderr)
        sys.exit(77)


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


class Texts:
    """What the window shows and a screen reader says, as regular expressions."""

    def __init__(self, source):
        facts = Description(source)
        controls = facts.controls
        self.title = re.escape(facts["window"]["accessibleName"])
        self.idle = re.escape(controls["cmdStop"]["text"])
        self.running = re.escape(facts["stopLooks"]["running"]["caption"])
        self.esc = re.escape(controls["cmdEsc"]["text"])
        self.sum, self.house, self.street = (re.escape(facts.heading(field))
                                             for field in facts.seen_fields())
        # What a screen reader would call the unseen fields, were they ever exposed.
        self.unseen = [c["accessibleName"] for c in controls.values()
                       if not c["visible"] and c["accessibleName"]]

    def fields(self, total, house, street):
        """The seen fields, each read with its heading."""
        return [f"{heading} {value}" for heading, value in
                ((self.sum, total), (self.house, house), (self.street, street))]

    def answer(self, total, house, street, between=", "):
        return between.join(self.fields(total, house, street))

    def check_unseen(self, said):
        heard = [text for text in said if any(name in text for name in self.unseen)]
        assert self.unseen and not heard, f"unseen fields were spoken: {heard!r}"


class OrcaSession:
    """Use as a context manager; everything it starts is stopped at exit, after everything Orca
    said is shown if show is set."""

    def __init__(self, program, orca=True, timeout=60, orca_settings="", show=False):
        self.program, self.with_orca, self.timeout, self.show = str(program), orca, timeout, show
        self.home = Path(tempfile.mkdtemp(prefix="ponderival-a11y-"))
        self.log = self.home / "orca-debug.txt"
        # Lines of Python that set Orca's settings, e.g. "orca.settings.sayAllOnLoad = False".
        self.orca_settings = orca_settings
        self.processes, self.env, self.event_log = [], {}, []
        self.app = self.orca = self.bus = self.monitor = self.monitor_reader = self.xvfb = None
        self.a11y_address = self.lock = None

    def start(self, command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL):
        """A process of the session, ended with it; what it writes is dropped, or piped as text."""
        process = subprocess.Popen(command, env=self.env, stdin=subprocess.DEVNULL, stdout=stdout,
                                   stderr=stderr, text=True, errors="replace",
                                   start_new_session=True)
        self.processes.append(process)
        return process

    def __enter__(self):
        try:
            if self.with_orca:
                self.lock = open(ORCA_LOCK, "w", encoding="utf-8")
                fcntl.flock(self.lock, fcntl.LOCK_EX)
            self._set_up()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _set_up(self):
        (self.home / ".config/speech-dispatcher").mkdir(parents=True)
        (self.home / ".config/speech-dispatcher/speechd.conf").write_text(SPEECHD_CONF)
        (self.home / ".libao").write_text("default_driver=null\n")
        (self.home / "runtime").mkdir(mode=0o700)
        (self.home / "orca").mkdir()
        # Orca writes its log through a buffer; a line-buffered log shows each utterance at once.
        (self.home / "orca/orca-customizations.py").write_text(
            "import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n"
            "import orca.settings\n" + self.orca_settings + "\n")
        self.xvfb = Xvfb()
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(self.home),
                    "XDG_RUNTIME_DIR": str(self.home / "runtime"), "DISPLAY": self.xvfb.display,
                    "XDG_CONFIG_HOME": str(self.home / ".config"), "LANG": "C.UTF-8",
                    **{name: value for name, value in os.environ.items()
                       if name.endswith("SAN_OPTIONS") or name.startswith("PONDERIVAL_")}}
        self.bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                              stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus.stdout.readline().strip()
        self.start([str(BUS_LAUNCHER), "--launch-immediately"])
        self.a11y_address = wait_for(self._accessibility_bus_address, 20, "the accessibility bus")
        if self.with_orca:
            # Started through the interpreter, Orca is not named "orca" in the process table, where
            # another session's Orca would take it for a rival and refuse to start, or end it.
            orca = shutil.which("orca")
            interpreter = Path(orca).read_text().splitlines()[0].removeprefix("#!").split()
            self.orca = self.start([*interpreter, orca, "-u", str(self.home / "orca"),
                                    "--debug-file", str(self.log)])
            wait_for(lambda: "Startup complete" in self._log_text(), self.timeout, "Orca")

    def _accessibility_bus_address(self):
        done = subprocess.run(["dbus-send", "--session", "--print-reply=literal",
                               "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                              env=self.env, capture_output=True, text=True, timeout=10,
                              check=False)
        return done.stdout.strip() if done.returncode == 0 and done.stdout.strip() else None

    def _log_text(self):
        return self.log.read_text(errors="replace") if self.log.exists() else ""

    def utterances(self):
        return SPEECH.findall(self._log_text())

    def launch(self):
        self.app = self.start([self.program], stderr=subprocess.PIPE)
        return self.focus(wait_for(self.window_id, self.timeout, "the program's window"))

    def focus(self, window):
        # With no window manager on the server, keyboard focus is given to the window directly.
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.env, check=True,
                       timeout=self.timeout)
        return window

    def find_window(self, *criteria):
        """The last of the shown windows that xdotool search finds by the criteria, or None."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", *criteria], env=self.env,
                               capture_output=True, text=True, check=False).stdout.split()
        return found[-1] if found else None

    def window_id(self):
        if self.app.poll() is not None:
            raise RuntimeError(f"the program ended ({self.app.returncode}): "
                               + self.app.stderr.read())
        return self.find_window("--pid", str(self.app.pid), "--name", "Form1")

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], env=self.env, check=True,
                       timeout=30)

    def monitor_events(self):
        """Starts counting the object events on the accessibility bus; see event_times()."""
        # Line-buffered and read as it comes: a monitor that stops reading is cut off by the bus.
        self.monitor = self.start(["stdbuf", "-oL", "dbus-monitor", "--address", self.a11y_address,
                                   "type='signal',interface='org.a11y.atspi.Event.Object'"],
                                  stdout=subprocess.PIPE)
        self.event_log = []
        self.monitor_reader = threading.Thread(target=self._read_monitor, daemon=True)
        self.monitor_reader.start()

    def _read_monitor(self):
        for line in self.monitor.stdout:
            found = EVENT_TIME.match(line)
            if found:
                self.event_log.append(float(found.group(1)))

    def event_times(self):
        """Stops the monitor and gives the wall-clock time of every object event it saw."""
        self.monitor.terminate()
        self.monitor.wait(timeout=30)
        self.monitor_reader.join(timeout=30)
        return list(self.event_log)

    def __exit__(self, *exc):
        if self.show:
            print("\n".join(repr(text) for text in self.utterances()))
        for process in reversed(self.processes):
            if process.poll() is None:
                with contextlib.suppress(ProcessLookupError):
                    os.killpg(process.pid, signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        if self.xvfb:
            self.xvfb.stop()
        if not os.environ.get("PONDERIVAL_KEEP_A11Y_LOG"):
            shutil.rmtree(self.home, ignore_errors=True)
        if self.lock:
            self.lock.close()
        return False


class Script:
    """What Orca has said, read forward: each expectation must come after the previous one."""

    def __init__(self, session):
        self.session = session
        self.position = 0

    def said(self):
        return self.session.utterances()

    def expect(self, pattern, timeout=120):
        self.expect_first([pattern], timeout)

    def expect_first(self, patterns, timeout=120):
        """Reads on to the next thing said that one of the patterns matches; gives that pattern's
        index."""
        def found():
            said = self.said()
            return next(((index + 1, which) for index in range(self.position, len(said))
                         for which, pattern in enumerate(patterns)
                         if re.fullmatch(pattern, said[index])), None)
        try:
            self.position, which = wait_for(found, timeout, f"Orca to say one of {patterns!r}")
        except TimeoutError:
            said = self.said()
            raise AssertionError(f"Orca said none of {patterns!r} after {said[:self.position]!r}; "
                                 f"it went on with {said[self.position:]!r}") from None
        return which

    def expect_all(self, patterns, timeout=120):
        """Each pattern matched by something said from here on, in any order."""
        def found():
            said = self.said()[self.position:]
            ends = [next((i + 1 for i, text in enumerate(said) if re.fullmatch(p, text)), None)
                    for p in patterns]
            return self.position + max(ends) if all(ends) else None
        self.position = wait_for(found, timeout, f"Orca to say all of {patterns!r}")

    def tab_round(self, texts, echo=None):
        """cmdStop said with the focus, as the window opens; Tab to cmdEsc, and Tab back."""
        self.expect(texts.idle + r" push button\.")
        for button in (texts.esc, texts.idle):
            self.press("Tab", echo)
            self.expect(button + r" push button\.")

    def press(self, key, echo=None):
        """A key, read after whatever was said before it, and after Orca's echo of it if given."""
        self.position = max(self.position, len(self.said()))
        self.session.keys(key)
        if echo:
            self.expect(re.escape(echo))
