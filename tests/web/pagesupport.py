"""What the page's browser tests share: the page served on 127.0.0.1 by scripts/serve_web.py, the
browser engines that drive it through WebDriver (Chromium headless, with its DevTools protocol;
WebKitGTK on a private Xvfb; Firefox ESR headless, spoken to in WebDriver BiDi over its own
WebSocket, as Debian ships no geckodriver), screenshots read back as pixels, and the window's
description as the build writes it (description.json), from which every expected text, place and
colour is read. A missing browser, driver or tool fails the test that needs it, naming it."""

import base64
import functools
import http.server
import importlib.util
import json
import os
import queue
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import zlib
from collections import deque
from pathlib import Path
from urllib.parse import urlparse

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
# pylint: disable=wrong-import-position
import chromium  # noqa: E402
# Server and Description, for the tests that import them from here.
from chromium import SERVER, Server  # noqa: E402,F401  pylint: disable=unused-import
from description import Description  # noqa: E402,F401  pylint: disable=unused-import
from waiting import TIMEOUT, wait_for  # noqa: E402
from xvfb import Xvfb  # noqa: E402

# Each engine's browser and WebDriver, from Debian's chromium-driver and webkit2gtk-driver.
ENGINES = {
    "chromium": (chromium.BINARY, chromium.DRIVER),
    "webkitgtk": ("/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
                  "/usr/bin/WebKitWebDriver"),
}
# Firefox ESR speaks WebDriver BiDi itself; Debian has no geckodriver.
FIREFOX = "/usr/bin/firefox-esr"
# What a fresh profile must hold from Firefox's first moment on a machine with no network: no
# first-run or welcome pages, no reports, updates or lists fetched. Firefox's remote agent sets
# the rest of what automation wants itself (remote.prefs.recommended).
FIREFOX_PREFS = {
    "browser.startup.page": 0,
    "browser.startup.homepage_override.mstone": "ignore",
    "startup.homepage_welcome_url": "about:blank",
    "browser.aboutwelcome.enabled": False,
    "browser.shell.checkDefaultBrowser": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "datareporting.healthreport.uploadEnabled": False,
    "toolkit.telemetry.enabled": False,
    "app.update.disabledForTesting": True,
    "app.normandy.enabled": False,
    "extensions.update.enabled": False,
    "extensions.getAddons.cache.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "network.dns.disablePrefetch": True,
    "network.prefetch-next": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "services.settings.server": "data:,#remote-settings-dummy/v1",
}
# The scenario's own Chromium flags, beside those every Chromium here runs with.
FLAGS = ["--headless", "--disable-features=Translate,MediaRouter", "--hide-scrollbars"]


def require(*needed):
    """Fails the test, naming what is missing: Python modules by name, programs and files by
    path."""
    missing = [str(thing) for thing in needed if not (
        os.path.exists(thing) if os.sep in str(thing) else importlib.util.find_spec(thing))]
    if missing:
        raise SystemExit("FAIL: missing " + ", ".join(missing))


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


class HeldServer:
    """The folder served here as scripts/serve_web.py serves it, but the files whose names start
    with `held` wait until release(); `asked` is set once a browser asks for one."""

    def __init__(self, folder, held):
        found = importlib.util.spec_from_file_location("serve_web", SERVER)
        serve_web = importlib.util.module_from_spec(found)
        found.loader.exec_module(serve_web)
        self.asked, self.released = threading.Event(), threading.Event()
        outer = self

        class Handler(serve_web.Handler):
            def do_GET(self):
                if Path(urlparse(self.path).path).name.startswith(held):
                    outer.asked.set()
                    outer.released.wait(TIMEOUT)
                super().do_GET()

        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=str(folder)))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def release(self):
        self.released.set()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.release()
        self.server.shutdown()
        self.server.server_close()


class Picture:
    """A screenshot's pixels, from a PNG of 8 bits a channel, not interlaced. `left` and `top` are
    where the window's top left corner lies in it, in CSS pixels, and `scale` device pixels a CSS
    pixel."""

    def __init__(self, png, left=0, top=0, scale=1):
        chunks, at = {}, 8
        while at < len(png):
            length, kind = struct.unpack(">I4s", png[at:at + 8])
            chunks[kind] = chunks.get(kind, b"") + png[at + 8:at + 8 + length]
            at += 12 + length
        self.width, self.height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
        assert depth == 8 and colour in (2, 6), (depth, colour)
        self.step = 3 if colour == 2 else 4
        self.raw, self.rows = zlib.decompress(chunks[b"IDAT"]), []
        self.left, self.top, self.scale = left, top, scale

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
        return self.pixel((self.left + x) * self.scale, (self.top + y) * self.scale)


class Browser:
    """One engine driven through WebDriver, with what the scenario asks of every engine."""

    name = ""

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.driver.quit()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def js_async(self, script, *args):
        """Runs a script that answers by calling its last argument, which follows args."""
        return self.driver.execute_async_script(script, *args)

    def wait(self, condition, *args, what=None):
        """Waits until the JavaScript expression holds; args are arguments[0] ... ."""
        wait_for(lambda: self.js(f"return {condition};", *args), TIMEOUT, what or condition,
                 poll=0.01)

    def ticks(self, count, interval):
        """Lets count ticks of Timer1 fall due, to show that nothing moves any more."""
        self.js_async("setTimeout(arguments[arguments.length - 1], arguments[0])",
                      count * interval)

    def load(self, url):
        """Goes to url and returns once it has loaded."""
        self.driver.get(url)

    def open(self, url):
        self.load(url)
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

    def drag(self, start, end=None):
        """The mouse pressed at a point of the page, in CSS pixels, and released there or at end."""
        # pylint: disable-next=import-outside-toplevel
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(*start).pointer_down()
        actions.pointer_action.move_to_location(*(end or start)).pointer_up()
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

    def painted(self):
        """Waits until the page's fonts have loaded and what it shows now is painted."""
        self.js_async("const done = arguments[0]; document.fonts.ready.then("
                      "() => requestAnimationFrame(() => setTimeout(done)))")

    def screenshot(self):
        """The page as shown, with the window's place in it."""
        self.painted()
        left, top, _, _ = self.window_rect()
        return Picture(self.driver.get_screenshot_as_png(), left, top,
                       self.js("return devicePixelRatio"))

    def _around_window(self, capture, margin):
        """The window and a margin of the page around it, at the device's pixels, from
        capture(box), which gives a box of the viewport as a PNG in base64."""
        self.painted()
        left, top, width, height = self.window_rect()
        shot = capture({"x": left - margin, "y": top - margin, "width": width + 2 * margin,
                        "height": height + 2 * margin})
        return Picture(base64.b64decode(shot), margin, margin, self.js("return devicePixelRatio"))


class Chromium(Browser):
    """A headless Chromium with a profile of its own, logging the console and the network."""

    name = "chromium"

    def __init__(self, scale=None, size=None, load="normal", flags=()):
        """scale: device pixels a CSS pixel, as from a screen of that density; size: the
        window's, in CSS pixels; load: WebDriver's page load strategy; flags: Chromium's own."""
        self.profile = tempfile.mkdtemp(prefix="ponderival-chromium-")
        density = [f"--force-device-scale-factor={scale}"] if scale else []
        density += [f"--window-size={size[0]},{size[1]}"] if size else []
        self.driver = chromium.driven(*FLAGS, *density, *flags, f"--user-data-dir={self.profile}",
                                      load=load,
                                      logging={"browser": "ALL", "performance": "ALL"})
        self.driver.set_script_timeout(TIMEOUT)
        # A headless Chromium's page has the system's focus in some versions and not in others;
        # the focused button draws its focus rectangle only in a page that has it.
        self.cdp("Emulation.setFocusEmulationEnabled", enabled=True)
        self.console, self.requests = [], []

    def __exit__(self, *_):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def viewport(self, width, height):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=1, mobile=False)

    def screenshot(self, margin=4):
        return self._around_window(lambda box: self.cdp(
            "Page.captureScreenshot", format="png", clip={**box, "scale": 1})["data"], margin)

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

    def focused_node(self):
        """The focused element as Chromium's accessibility tree gives it to a screen reader."""
        element = self.cdp("Runtime.evaluate", expression="document.activeElement")
        node = self.cdp("Accessibility.getPartialAXTree", objectId=element["result"]["objectId"],
                        fetchRelatives=False)["nodes"][0]
        return {key: node.get(key, {}).get("value") for key in ("role", "name", "description")}


class WebKit(Browser):
    """WebKitGTK's MiniBrowser on a private Xvfb, driven by WebKitWebDriver."""

    name = "webkitgtk"

    def __init__(self):
        # pylint: disable=import-outside-toplevel
        from selenium import webdriver
        self.xvfb = Xvfb()
        os.environ["DISPLAY"] = self.xvfb.display
        options = webdriver.WebKitGTKOptions()
        options.binary_location, driver = ENGINES[self.name]
        options.add_argument("--automation")
        self.driver = webdriver.WebKitGTK(executable_path=driver, options=options)
        self.driver.set_script_timeout(TIMEOUT)

    def __exit__(self, *_):
        self.driver.quit()
        self.xvfb.stop()

    def viewport(self, width, height):
        """Sizes the window so that the page gets this viewport, whatever the frame around it.
        With no window manager, X gives the keyboard focus to the window under the pointer, which
        Xvfb starts in the middle of its screen: a viewport of more than half the screen's size
        takes it in, and the page then draws its focus."""
        self.driver.set_window_rect(0, 0, width, height)
        inner = self.js("return [innerWidth, innerHeight]")
        self.driver.set_window_rect(0, 0, 2 * width - inner[0], 2 * height - inner[1])


def local_value(value):
    """A Python value as WebDriver BiDi hands it to a script."""
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [local_value(item) for item in value]}
    if isinstance(value, dict):
        return {"type": "object", "value": [[str(key), local_value(item)]
                                            for key, item in value.items()]}
    raise TypeError(f"no script value for {value!r}")


def remote_value(value):
    """What a script answered, as WebDriver BiDi serialises it, as a Python value."""
    kind, data = value["type"], value.get("value")
    if kind in ("undefined", "null"):
        return None
    if kind == "number":
        # NaN, -0 and the infinities come as strings.
        return float(data) if isinstance(data, str) else data
    if kind == "bigint":
        return int(data)
    if kind in ("string", "boolean"):
        return data
    if kind in ("array", "set"):
        return [remote_value(item) for item in data]
    if kind in ("object", "map"):
        return {key if isinstance(key, str) else remote_value(key): remote_value(item)
                for key, item in data}
    raise TypeError(f"a script answered a {kind}, which the tests do not read")


class Firefox(Browser):
    """Firefox ESR headless with a fresh profile, spoken to in WebDriver BiDi over the WebSocket it
    opens itself. Scripts are WebDriver's: a function's body, given arguments[0] ... ."""

    name = "firefox"
    # WebDriver's Shift key, as Selenium's Keys.SHIFT.
    SHIFT = "\ue008"

    def __init__(self):
        import websocket  # pylint: disable=import-outside-toplevel
        self.home = tempfile.mkdtemp(prefix="ponderival-firefox-")
        profile = Path(self.home) / "profile"
        profile.mkdir()
        (profile / "user.js").write_text("".join(
            f"user_pref({json.dumps(key)}, {json.dumps(value)});\n"
            for key, value in FIREFOX_PREFS.items()), encoding="utf-8")
        # Its own HOME, so that nothing is read from or left in the user's. Started on a blank
        # page Firefox gives its address bar the focus, on any other the page, as once a user has
        # typed an address; every page opened after is one the user went to.
        self.process = subprocess.Popen(
            [FIREFOX, "--headless", "--no-remote", "--remote-debugging-port=0", "--profile",
             str(profile), "data:text/html,"],
            env={**os.environ, "HOME": self.home, "MOZ_CRASHREPORTER_DISABLE": "1"},
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
            text=True, errors="replace")
        self.said, self.socket, self.last = deque(maxlen=20), None, 0
        lines = queue.Queue()
        threading.Thread(target=self._read_stderr, args=(lines,), daemon=True).start()
        try:
            address = self._address(lines)
            # Firefox refuses a WebSocket whose request names an origin it was not told of.
            self.socket = websocket.create_connection(address + "/session", timeout=TIMEOUT * 2,
                                                      suppress_origin=True)
            self.command("session.new", capabilities={})
            self.context = self.command("browsingContext.getTree")["contexts"][0]["context"]
        except BaseException:
            self._stop()
            raise

    def _read_stderr(self, lines):
        """Hands on Firefox's lines, keeping the last few for a failure's report, and drains the
        pipe to its end so that Firefox never blocks on it."""
        for line in self.process.stderr:
            self.said.append(line.rstrip())
            lines.put(line)
        lines.put(None)

    def _address(self, lines):
        """The WebSocket's address, which Firefox says once it listens on the port it chose."""
        prefix = "WebDriver BiDi listening on "
        while True:
            try:
                line = lines.get(timeout=TIMEOUT)
            except queue.Empty:
                line = None
            if line is None:
                raise RuntimeError("Firefox did not open its WebDriver BiDi port: " +
                                   " | ".join(self.said))
            if line.startswith(prefix):
                return line[len(prefix):].strip()

    def command(self, method, **params):
        """Sends one command and returns its result; events that come between are not asked for
        and are passed over."""
        import websocket  # pylint: disable=import-outside-toplevel
        self.last += 1
        try:
            self.socket.send(json.dumps({"id": self.last, "method": method, "params": params}))
            while True:
                message = json.loads(self.socket.recv())
                if message.get("id") == self.last:
                    break
        except (websocket.WebSocketException, OSError) as error:
            raise RuntimeError(f"Firefox did not answer {method} ({error!r}): " +
                               " | ".join(self.said)) from error
        if message["type"] == "error":
            raise RuntimeError(f"{method}: {message['error']}: {message['message']}")
        return message["result"]

    def _call(self, function, args):
        """Calls a function declared in JavaScript in the page, awaiting what it promises, as
        WebDriver's scripts are."""
        answer = self.command("script.callFunction", functionDeclaration=function,
                              arguments=[local_value(arg) for arg in args], awaitPromise=True,
                              target={"context": self.context}, resultOwnership="none")
        if answer["type"] == "exception":
            raise RuntimeError("the page's script failed: " + answer["exceptionDetails"]["text"])
        return remote_value(answer["result"])

    def js(self, script, *args):
        return self._call(f"function() {{\n{script}\n}}", args)

    def js_async(self, script, *args):
        """As WebDriver's asynchronous scripts: an answer not given within the timeout fails."""
        return self._call(f"""function(...given) {{
            return new Promise((resolve, reject) => {{
                const late = setTimeout(() => reject(new Error('no answer in {TIMEOUT} s')),
                                        {TIMEOUT * 1000});
                (function() {{\n{script}\n}}).apply(this, [...given, (answer) => {{
                    clearTimeout(late);
                    resolve(answer);
                }}]);
            }});
        }}""", args)

    def load(self, url):
        self.command("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def _perform(self, *sources):
        self.command("input.performActions", context=self.context, actions=list(sources))

    def press(self, key, shift=False):
        """A key pressed and released on whatever has the focus; key is WebDriver's, as
        Selenium's Keys name them."""
        keys = [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        if shift:
            keys = [{"type": "keyDown", "value": self.SHIFT}] + keys + [
                {"type": "keyUp", "value": self.SHIFT}]
        self._perform({"type": "key", "id": "keyboard", "actions": keys})

    def _mouse(self, start, end, duration):
        """The left button pressed at start and released at end, moving there in duration ms."""
        self._perform({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                       "actions": [
                           {"type": "pointerMove", "x": start[0], "y": start[1],
                            "duration": duration},
                           {"type": "pointerDown", "button": 0},
                           {"type": "pointerMove", "x": end[0], "y": end[1],
                            "duration": duration},
                           {"type": "pointerUp", "button": 0}]})

    def drag(self, start, end=None):
        # Moves take as long as Selenium's, so that the page sees the moves between.
        self._mouse(start, end or start, 250)

    def click(self, name):
        """As WebDriver's element click: the mouse at the middle of the control's part in view,
        which fails if something else lies there in front of it."""
        point = self.js("""const e = document.getElementById(arguments[0]);
            e.scrollIntoView({block: 'end', inline: 'nearest'});
            const r = e.getClientRects()[0];
            if (!r) throw new Error(arguments[0] + ' is not shown');
            const x = Math.floor((Math.max(r.left, 0) + Math.min(r.right, innerWidth)) / 2);
            const y = Math.floor((Math.max(r.top, 0) + Math.min(r.bottom, innerHeight)) / 2);
            const front = document.elementFromPoint(x, y);
            if (!e.contains(front)) throw new Error(arguments[0] + ' lies behind ' +
                (front && (front.id || front.tagName)));
            return [x, y];""", name)
        self._mouse(point, point, 0)

    def viewport(self, width, height):
        self.command("browsingContext.setViewport", context=self.context,
                     viewport={"width": width, "height": height}, devicePixelRatio=1)

    def screenshot(self, margin=4):
        return self._around_window(lambda box: self.command(
            "browsingContext.captureScreenshot", context=self.context, origin="viewport",
            format={"type": "image/png"}, clip={"type": "box", **box})["data"], margin)

    def _stop(self):
        """Firefox closed as its session ends (told to stop when it never opened one), or killed
        when it does not close; its profile and home go with it."""
        if self.socket:
            try:
                self.command("browser.close")
            except RuntimeError:
                pass
            self.socket.close()
        elif self.process.poll() is None:
            self.process.terminate()
        try:
            self.process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(TIMEOUT)
        shutil.rmtree(self.home, ignore_errors=True)

    def __exit__(self, *_):
        self._stop()


def browser(engine):
    """The engine of that name, which fails the test when it, its driver or its client is
    missing. Firefox needs Selenium too: the scenario names its keys as Selenium does."""
    if engine == Firefox.name:
        require("selenium", "websocket", FIREFOX)
        return Firefox()
    require("selenium", *ENGINES[engine])
    return {"chromium": Chromium, "webkitgtk": WebKit}[engine]()


class Faces:
    """Every character drawn on the page, gathered by the face and weight it is drawn in, checked
    against the web font that the page's style sheet gives that face and weight, as the font's
    own cmap says: not against the list the fonts were cut from."""

    SCRIPT = """const drawn = {}, fonts = {};
        const family = (list) => list.split(',')[0].trim().replace(/^["']|["']$/g, '');
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let node; (node = walker.nextNode());) {
            const range = document.createRange();
            range.selectNodeContents(node);
            const style = getComputedStyle(node.parentElement);
            if (range.getClientRects().length && !node.parentElement.closest('.sr') &&
                    style.visibility === 'visible') {
                const key = family(style.fontFamily) + ' ' + style.fontWeight;
                drawn[key] = (drawn[key] || '') + node.data;
            }
        }
        for (const sheet of document.styleSheets) {
            for (const rule of [...sheet.cssRules].filter(r => r instanceof CSSFontFaceRule)) {
                const url = /url\\("?([^")]+)"?\\)/.exec(rule.style.getPropertyValue('src'))[1];
                fonts[family(rule.style.getPropertyValue('font-family')) + ' ' +
                      rule.style.getPropertyValue('font-weight')] =
                    new URL(url, sheet.href || location.href).pathname;
            }
        }
        return [drawn, fonts];"""

    def __init__(self):
        self.drawn, self.fonts = {}, {}

    def look(self, browser_):
        """Gathers what the page draws now."""
        drawn, fonts = browser_.js(self.SCRIPT)
        for key, text in drawn.items():
            self.drawn[key] = self.drawn.get(key, "") + text
        self.fonts.update(fonts)

    def check(self, site):
        from fontTools.ttLib import TTFont  # pylint: disable=import-outside-toplevel
        missing = {}
        for key, text in sorted(self.drawn.items()):
            if key not in self.fonts:
                raise AssertionError(f"{text!r} drawn in {key}, for which the page has no font")
            cmap = TTFont(Path(site) / self.fonts[key].lstrip("/")).getBestCmap()
            lacking = "".join(sorted({c for c in text if c >= " " and ord(c) not in cmap}))
            if lacking:
                missing[f"{key} ({self.fonts[key]})"] = lacking
        expect(missing, {}, "characters drawn in a face whose web font lacks them")


def module_exports(wasm):
    """The names a WebAssembly module exports, read by Node.js."""
    node = shutil.which("node") or "/usr/bin/node"
    require(node)
    script = ("const bytes = require('fs').readFileSync(0); console.log(JSON.stringify("
              "WebAssembly.Module.exports(new WebAssembly.Module(bytes)).map(e => e.name)))")
    done = subprocess.run([node, "-e", script], input=wasm, capture_output=True, check=True,
                          timeout=TIMEOUT)
    return json.loads(done.stdout)
