"""What the page's browser tests share: the page served on 127.0.0.1 by scripts/serve_web.py, the
browser engines that drive it (Chromium and WebKitGTK through Selenium, Firefox ESR in WebDriver
BiDi, as Debian ships no geckodriver), screenshots read back as pixels, and the window's
description (description.json), from which every expected text, place and colour is read. A
missing browser, driver or tool fails the test that needs it, naming it."""

import base64
import contextlib
import functools
import http.server
import importlib.util
import io
import json
import os
import re
import runpy
import shutil
import subprocess
import sys
import tempfile
import threading
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

# WebDriver's keys, by the names Selenium's Keys gives them.
KEYS = {"TAB": "\ue004", "ENTER": "\ue007", "ESCAPE": "\ue00c", "SPACE": "\ue00d",
        "SHIFT": "\ue008", "LEFT": "\ue012", "UP": "\ue013", "RIGHT": "\ue014", "DOWN": "\ue015"}
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


class HeldServer(contextlib.AbstractContextManager):
    """The folder served here as scripts/serve_web.py serves it, but the files whose names start
    with `held` wait until release(); `asked` is set once a browser asks for one."""

    def __init__(self, folder, held):
        self.asked, self.released = threading.Event(), threading.Event()
        outer = self

        class Handler(runpy.run_path(str(SERVER))["Handler"]):
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

    def __exit__(self, *_):
        self.release()
        self.server.shutdown()
        self.server.server_close()


class Picture:
    """A screenshot's pixels, read from its PNG by Pillow. `left` and `top` are where the window's
    top left corner lies in it, in CSS pixels, and `scale` device pixels a CSS pixel."""

    def __init__(self, png, left, top, scale):
        from PIL import Image  # pylint: disable=import-outside-toplevel
        self.image = Image.open(io.BytesIO(png)).convert("RGB")
        self.left, self.top, self.scale = left, top, scale

    def pixel(self, x, y):
        """The colour at a device pixel."""
        return "#%02x%02x%02x" % self.image.getpixel((int(x), int(y)))

    def at(self, x, y):
        """The colour at a point of the window, in CSS pixels from its top left corner."""
        return self.pixel((self.left + x) * self.scale, (self.top + y) * self.scale)


class Browser(contextlib.AbstractContextManager):
    """One engine driven through WebDriver, with what the scenario asks of every engine."""

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
        self.wait("document.querySelector('main:not([aria-busy])') !== null",
                  what="the search loaded")

    def wait_for_answer(self, d, answer):
        """Waits until the seen fields show the answer, and cmdStop its idle caption."""
        self.wait("arguments[0].every((n, i) => document.getElementById(n)"
                  ".querySelector('[aria-hidden]').textContent === String(arguments[1][i])) && "
                  "document.getElementById('cmdStop').textContent === arguments[2]",
                  [f["name"] for f in d.seen_fields()], list(answer),
                  d["stopLooks"]["idle"]["caption"], what=f"the answer {answer}")

    def _perform(self, *sources):
        """WebDriver's input actions, by input source: the page sees them as a user's."""
        # pylint: disable-next=import-outside-toplevel
        from selenium.webdriver.remote.command import Command
        self.driver.execute(Command.W3C_ACTIONS, {"actions": list(sources)})

    def press(self, key):
        """A key, a name of KEYS or "Shift+" and one, pressed and released on whatever has the
        focus, as a user would."""
        codes = [KEYS[name.upper()] for name in key.split("+")]
        strokes = [{"type": "keyDown", "value": c} for c in codes]
        strokes += [{"type": "keyUp", "value": c} for c in reversed(codes)]
        self._perform({"type": "key", "id": "keyboard", "actions": strokes})

    def _mouse(self, start, end, duration):
        """The left button pressed at start and released at end, moving there in duration ms."""
        move = lambda at: {"type": "pointerMove", "x": at[0], "y": at[1], "duration": duration}
        self._perform({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                       "actions": [move(start), {"type": "pointerDown", "button": 0}, move(end),
                                   {"type": "pointerUp", "button": 0}]})

    def drag(self, start, end=None):
        """The mouse pressed at a point of the page, in CSS pixels, and released there or at end."""
        # Moves take as long as Selenium's own, so that the page sees the moves between.
        self._mouse(start, end or start, 250)

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

    def screenshot(self):
        """The page as shown, with the window's place in it, once the page's fonts have loaded and
        what it shows now is painted."""
        self.js_async("const done = arguments[0]; document.fonts.ready.then("
                      "() => requestAnimationFrame(() => setTimeout(done)))")
        left, top, _, _ = self.window_rect()
        return Picture(self.png(), left, top, self.js("return devicePixelRatio"))

    def png(self):
        """The viewport as a PNG, at the device's pixels."""
        return self.driver.get_screenshot_as_png()


class Chromium(Browser):
    """A headless Chromium with the fresh profile that ChromeDriver makes and removes, logging
    the console and the network."""

    name = "chromium"
    needs = ("selenium", chromium.BINARY, chromium.DRIVER)

    def __init__(self, scale=None, size=None, load="normal", flags=()):
        """scale: device pixels a CSS pixel, as from a screen of that density; size: the
        window's, in CSS pixels; load: WebDriver's page load strategy; flags: Chromium's own."""
        density = [f"--force-device-scale-factor={scale}"] if scale else []
        density += [f"--window-size={size[0]},{size[1]}"] if size else []
        self.driver = chromium.driven(*FLAGS, *density, *flags, load=load,
                                      logging={"browser": "ALL", "performance": "ALL"})
        self.driver.set_script_timeout(TIMEOUT)
        # A headless Chromium's page has the system's focus in some versions and not in others;
        # the focused button draws its focus rectangle only in a page that has it.
        self.cdp("Emulation.setFocusEmulationEnabled", enabled=True)
        self.requests = []

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def viewport(self, width, height):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=1, mobile=False)

    def asked(self, origin):
        """The URLs that documents and workers from origin asked for so far (the browser's own new
        tab page asks for its own); fails on any policy violation or error in the console."""
        expect([e["message"] for e in self.driver.get_log("browser") if
                "Content Security Policy" in e["message"] or e["level"] == "SEVERE"], [],
               "policy violations and errors in the console")
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            params = message["params"]
            if message["method"] == "Network.requestWillBeSent" and \
                    params.get("documentURL", "").startswith(origin):
                self.requests.append(params["request"]["url"])
        return self.requests

    def focused_node(self):
        """The focused element as Chromium's accessibility tree gives it to a screen reader."""
        element = self.cdp("Runtime.evaluate", expression="document.activeElement")
        node = self.cdp("Accessibility.getPartialAXTree", objectId=element["result"]["objectId"],
                        fetchRelatives=False)["nodes"][0]
        return {key: node.get(key, {}).get("value") for key in ("role", "name", "description")}


class WebKit(Browser):
    """WebKitGTK's MiniBrowser on a private Xvfb, driven by WebKitWebDriver (webkit2gtk-driver)."""

    name = "webkitgtk"
    needs = ("selenium", "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
             "/usr/bin/WebKitWebDriver")

    def __init__(self):
        # pylint: disable=import-outside-toplevel
        from selenium import webdriver
        self.xvfb = Xvfb()
        os.environ["DISPLAY"] = self.xvfb.display
        options = webdriver.WebKitGTKOptions()
        _, options.binary_location, driver = self.needs
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


class Firefox(Browser):
    """Firefox ESR headless with a fresh profile, spoken to in WebDriver BiDi over the WebSocket it
    opens itself. Its remote agent gives a fresh profile what automation wants before the first
    window opens (remote.prefs.recommended): no first-run or welcome page, nothing that waits on
    the network. Scripts are WebDriver's: a function's body, given arguments[0] ... ."""

    name = "firefox"
    binary = "/usr/bin/firefox-esr"
    needs = ("websocket", binary)

    def __init__(self):
        import websocket  # pylint: disable=import-outside-toplevel
        self.home = Path(tempfile.mkdtemp(prefix="ponderival-firefox-"))
        (self.home / "profile").mkdir()
        # Its own HOME, so that nothing is read from or left in the user's. Started on a blank
        # page Firefox gives its address bar the focus, on any other the page, as once a user has
        # typed an address; every page opened after is one the user went to.
        with open(self.home / "said.txt", "w", encoding="utf-8") as said:
            self.process = subprocess.Popen(
                [self.binary, "--headless", "--no-remote", "--remote-debugging-port=0", "--profile",
                 str(self.home / "profile"), "data:text/html,"],
                env={**os.environ, "HOME": str(self.home), "MOZ_CRASHREPORTER_DISABLE": "1"},
                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=said)
        self.socket, self.last = None, 0
        try:
            address = wait_for(self._address, TIMEOUT, "Firefox's WebDriver BiDi port")
            # Firefox refuses a WebSocket whose request names an origin it was not told of.
            self.socket = websocket.create_connection(address + "/session", timeout=TIMEOUT * 2,
                                                      suppress_origin=True)
            self.command("session.new", capabilities={})
            self.context = self.command("browsingContext.getTree")["contexts"][0]["context"]
        except BaseException as error:
            error.add_note("Firefox said: " + self._said())
            self._stop()
            raise

    def _said(self):
        """Firefox's last lines, for a failure's report."""
        return " | ".join((self.home / "said.txt").read_text(errors="replace").splitlines()[-20:])

    def _address(self):
        """The WebSocket's address, which Firefox says once it listens on the port it chose."""
        found = re.search(r"^WebDriver BiDi listening on (\S+)\n",
                          (self.home / "said.txt").read_text(errors="replace"), re.M)
        if not found and self.process.poll() is not None:
            raise RuntimeError("Firefox ended before it opened its WebDriver BiDi port")
        return found and found.group(1)

    def command(self, method, **params):
        """Sends one command and returns its result; events that come between are not asked for
        and are passed over."""
        import websocket  # pylint: disable=import-outside-toplevel
        self.last += 1
        message = {}
        try:
            self.socket.send(json.dumps({"id": self.last, "method": method, "params": params}))
            while message.get("id") != self.last:
                message = json.loads(self.socket.recv())
        except (websocket.WebSocketException, OSError) as error:
            raise RuntimeError(f"Firefox did not answer {method} ({error!r}): " +
                               self._said()) from error
        if message["type"] == "error":
            raise RuntimeError(f"{method}: {message['error']}: {message['message']}")
        return message["result"]

    def _call(self, promised):
        """What a JavaScript expression promises, evaluated in the page, through JSON (undefined
        is None); an element, which the tests never ask for, fails."""
        answer = self.command(
            "script.callFunction", awaitPromise=True, target={"context": self.context},
            functionDeclaration=f"""async function() {{ return JSON.stringify(await {promised},
                (_, v) => {{ if (v instanceof Node) throw new Error('a script answered a node');
                             return v; }}); }}""")
        if answer["type"] == "exception":
            raise RuntimeError("the page's script failed: " + answer["exceptionDetails"]["text"])
        return json.loads(answer["result"].get("value", "null"))

    def js(self, script, *args):
        return self._call(f"(function() {{\n{script}\n}}).apply(null, {json.dumps(args)})")

    def js_async(self, script, *args):
        """As WebDriver's asynchronous scripts: an answer not given within the timeout fails."""
        return self._call(f"""new Promise((resolve, reject) => {{
            const late = setTimeout(() => reject(new Error('no answer in {TIMEOUT} s')),
                                    {TIMEOUT * 1000});
            (function() {{\n{script}\n}}).apply(null, [...{json.dumps(args)}, (answer) => {{
                clearTimeout(late);
                resolve(answer);
            }}]);
        }})""")

    def load(self, url):
        self.command("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def _perform(self, *sources):
        self.command("input.performActions", context=self.context, actions=list(sources))

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

    def png(self):
        return base64.b64decode(self.command("browsingContext.captureScreenshot",
                                             context=self.context)["data"])

    def _stop(self):
        """Firefox closed as its session ends (told to stop when it never opened one), or killed
        when it does not close; its profile and home go with it."""
        if self.socket:
            with contextlib.suppress(RuntimeError):
                self.command("browser.close")
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
    """The engine of that name; the test fails, naming it, when the engine, its driver, its client
    (the class's needs) or Pillow, which reads the screenshots, is missing."""
    kind = {kind.name: kind for kind in (Chromium, WebKit, Firefox)}[engine]
    require(*kind.needs, "PIL")
    return kind()


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
