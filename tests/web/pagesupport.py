"""What the page's browser tests share: the page served on 127.0.0.1 by scripts/serve_web.py, a
headless Chromium driven through Selenium and its DevTools protocol, screenshots read back as
pixels, and the window's description (description.json, written by the build from
window/form/), from which every expected text, place and colour is read."""

import base64
import importlib.util
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib
from pathlib import Path

CHROMIUM = shutil.which("chromium") or "/usr/bin/chromium"
DRIVER = shutil.which("chromedriver") or "/usr/bin/chromedriver"
SERVER = Path(__file__).resolve().parents[2] / "scripts" / "serve_web.py"
TIMEOUT = 60
SKIPPED = 77
FLAGS = ["--headless", "--disable-gpu", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--disable-quic",
         "--disable-features=Translate,MediaRouter", "--hide-scrollbars"]


def skip_unless_ready(*paths):
    """Skips the test (77) when the page is not built or Chromium cannot be driven here."""
    if importlib.util.find_spec("selenium") is None:
        print("SKIP: python3-selenium is missing")
        sys.exit(SKIPPED)
    for path in [CHROMIUM, DRIVER, *paths]:
        if not os.path.exists(path):
            print(f"SKIP: {path} is missing")
            sys.exit(SKIPPED)


def expect(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}: expected {expected!r}, got {actual!r}")


def inverted(colour):
    """The colour of a focus rectangle drawn on a face of the given colour."""
    return "#%06x" % (int(colour[1:], 16) ^ 0xFFFFFF)


def answers(count):
    """The first answers of the puzzle, worked out here: (sum before, house, houses)."""
    found, house = [], 2
    while len(found) < count:
        before, after, last = house * (house - 1) // 2, 0, house
        while after < before:
            last += 1
            after += last
        if after == before:
            found.append((before, house, last))
        house += 1
    return found


class Description:
    def __init__(self, path):
        with open(path, encoding="utf-8") as file:
            self.data = json.load(file)
        self.controls = {control["name"]: control for control in self.data["controls"]}
        self.page = self.data["page"]

    def __getitem__(self, key):
        return self.data[key]

    def focusable(self):
        return [c["name"] for c in self.data["controls"] if c["takesFocus"]]

    def seen_fields(self):
        """The fields under the table's headings, left to right."""
        fields = [c for c in self.data["controls"] if c["kind"] == "field" and c["heading"]]
        return sorted(fields, key=lambda f: f["left"])

    def heading(self, field):
        """The text that heads a field's column."""
        return self.controls[field["heading"]]["text"]


class Server:
    """The page's folder on 127.0.0.1 at a free port, as scripts/serve-web.sh serves it."""

    def __init__(self, folder):
        self.process = subprocess.Popen([sys.executable, "-B", str(SERVER), str(folder), "0"],
                                        stdout=subprocess.PIPE, text=True)
        self.url = self.process.stdout.readline().strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(TIMEOUT)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()


class Picture:
    """A screenshot's pixels, from Chromium's PNG (8 bits a channel, not interlaced)."""

    def __init__(self, png):
        chunks, at = {}, 8
        while at < len(png):
            length, kind = struct.unpack(">I4s", png[at:at + 8])
            chunks[kind] = chunks.get(kind, b"") + png[at + 8:at + 8 + length]
            at += 12 + length
        self.width, self.height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
        assert depth == 8 and colour in (2, 6), (depth, colour)
        self.step = 3 if colour == 2 else 4
        self.raw, self.rows = zlib.decompress(chunks[b"IDAT"]), []

    def _row(self, y):
        """Rows are unfiltered as far down as asked for only: each depends on the one above."""
        size = self.width * self.step
        while len(self.rows) <= y:
            at = len(self.rows) * (size + 1)
            kind, row = self.raw[at], bytearray(self.raw[at + 1:at + 1 + size])
            above = self.rows[-1] if self.rows else bytearray(size)
            for x in range(size):
                a = row[x - self.step] if x >= self.step else 0
                b, c = above[x], above[x - self.step] if x >= self.step else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                paeth = a if pa <= pb and pa <= pc else b if pb <= pc else c
                row[x] = (row[x] + (0, a, b, (a + b) // 2, paeth)[kind]) & 0xFF
            self.rows.append(row)
        return self.rows[y]

    def pixel(self, x, y):
        """The colour at a device pixel."""
        at = int(x) * self.step
        return "#%02x%02x%02x" % tuple(self._row(int(y))[at:at + 3])

    def at(self, x, y):
        """The colour at a point of the window, in CSS pixels from its top left corner."""
        return self.pixel((self.margin + x) * self.scale, (self.margin + y) * self.scale)


class Browser:
    """A headless Chromium with a profile of its own, logging the console and the network."""

    def __init__(self, scale=None, size=None):
        """scale: device pixels a CSS pixel, as from a screen of that density; size: the
        window's, in CSS pixels."""
        # pylint: disable=import-outside-toplevel
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix="ponderival-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        density = [f"--force-device-scale-factor={scale}"] if scale else []
        density += [f"--window-size={size[0]},{size[1]}"] if size else []
        for flag in FLAGS + density + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        if os.geteuid() == 0:
            options.add_argument("--no-sandbox")
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(DRIVER), options=options)
        self.driver.set_script_timeout(TIMEOUT)
        self.console, self.requests = [], []

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def viewport(self, width, height, scale):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=scale, mobile=False)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, *args, what=None):
        """Waits until the JavaScript expression holds; args are arguments[0] ... ."""
        from selenium.webdriver.support.ui import WebDriverWait  # pylint: disable=C0415
        WebDriverWait(self.driver, TIMEOUT, poll_frequency=0.01).until(
            lambda driver: driver.execute_script(f"return {condition};", *args),
            what or condition)

    def ticks(self, count, interval):
        """Lets count ticks of Timer1 fall due, to show that nothing moves any more."""
        self.driver.execute_async_script(
            "setTimeout(arguments[arguments.length - 1], arguments[0])", count * interval)

    def open(self, url):
        self.driver.get(url)
        self.wait("document.querySelector('main') && "
                  "!document.querySelector('main').hasAttribute('aria-busy')",
                  what="the search loaded")

    def press(self, key, shift=False):
        """A key pressed and released on whatever has the focus, as a user would."""
        # pylint: disable=import-outside-toplevel
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        actions = ActionChains(self.driver)
        if shift:
            actions.key_down(Keys.SHIFT)
        actions.send_keys(key)
        if shift:
            actions.key_up(Keys.SHIFT)
        actions.perform()

    def click(self, name):
        self.driver.find_element("id", name).click()

    def text(self, name):
        """A control's text as the eye sees it."""
        return self.js("const e = document.getElementById(arguments[0]);"
                       "return (e.querySelector('[aria-hidden]') || e).textContent;", name)

    def focused(self):
        return self.js("return document.activeElement.id")

    def window_rect(self):
        return self.js("const r = document.querySelector('main').getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height];")

    def screenshot(self, margin=4):
        """The window and a margin of the page around it, at the device's pixels."""
        left, top, width, height = self.window_rect()
        clip = {"x": left - margin, "y": top - margin, "width": width + 2 * margin,
                "height": height + 2 * margin, "scale": 1}
        shot = self.cdp("Page.captureScreenshot", format="png", clip=clip)
        picture = Picture(base64.b64decode(shot["data"]))
        picture.margin, picture.scale = margin, self.js("return devicePixelRatio")
        return picture

    def logs(self, origin):
        """The console's messages so far, and the URLs that documents and workers from origin
        asked for (the browser's own new tab page asks for its own)."""
        self.console += self.driver.get_log("browser")
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            params = message["params"]
            if message["method"] == "Network.requestWillBeSent" and \
                    params.get("documentURL", "").startswith(origin):
                self.requests.append(params["request"]["url"])
        return self.console, self.requests
