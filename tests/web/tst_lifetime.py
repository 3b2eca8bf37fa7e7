#!/usr/bin/python3
"""How the page's program starts and ends, and where it runs, in headless Chromium: the test hook,
a click made while the search loads, a module that cannot load, cmdEsc closing a window that a
script opened, a phone, the server gone, the single file from disk and scripts off, each check
saying what it shows. Every character the page draws when it cannot start is in its face's web
font. Everything expected comes from the window's description (description.json).

Usage: tst_lifetime.py SITE_FOLDER TEST_SITE_FOLDER SINGLE_FILE DESCRIPTION_JSON"""

import base64
import re
import shutil
import sys
import tempfile
from pathlib import Path

from pagesupport import (TIMEOUT, Chromium, Description, Faces, HeldServer, Server, answers,
                         expect, module_exports, require, wait_for)

PHONE = {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True}
MODULE = "ponderival-module"


def check_exports(site, testsite, single, d):
    """The test hook is the test module's start procedure: the page handed out, served or as
    one file, has none, and both still export the two entries the page's script calls."""
    embedded = re.search(rf'id="{d.ids["embeddedWasm"]}">([^<]*)<',
                         Path(single).read_text(encoding="utf-8")).group(1)
    modules = [Path(f"{site}/{MODULE}.wasm").read_bytes(), base64.b64decode(embedded),
               Path(f"{testsite}/{MODULE}.wasm").read_bytes()]
    entries = ["ponderivalClick", "ponderivalTick"]
    expect([sorted({"main", *entries} & set(module_exports(wasm))) for wasm in modules],
           [entries, entries, ["main", *entries]],
           "the exports of the site's module, the single file's and the test page's")


def check_early_click(site, d):
    """With the search's files held back by the server, the window is already on screen and
    takes keys and a click; the click runs once the search has loaded, and only once."""
    first, second = d.focusable()
    with HeldServer(site, MODULE) as server, Chromium(load="none") as page:
        page.driver.get(server.url)
        if not server.asked.wait(TIMEOUT):
            raise AssertionError("the page never asked for the search's module")
        # Autofocus lands at the first rendering update after the button exists, which may come
        # after it has a box: the keys are pressed once the window shows as it opens, focused.
        page.wait("document.getElementById(arguments[0])?.getClientRects().length && "
                  "document.activeElement.id === arguments[0]", first,
                  what="the window on screen, its first button focused")
        for focus in (second, first):
            page.press("TAB")
            expect(page.focused(), focus, "the focus after Tab while the search loads")
        page.click(first)
        expect(page.js("return typeof createPonderival"), "undefined", "the search, held back")
        server.release()
        page.wait_for_answer(d, answers(1)[0])


def popup(page, url):
    """The page in a window that a script opened, which the page may close."""
    opener = page.driver.current_window_handle
    page.js("window.open(arguments[0])", url)
    wait_for(lambda: len(page.driver.window_handles) == 2, TIMEOUT, "a second window")
    page.driver.switch_to.window([h for h in page.driver.window_handles if h != opener][0])
    return opener


def check_no_script(d, url, faces):
    """With scripts off, the page says what it needs."""
    with Chromium(flags=["--blink-settings=scriptEnabled=false"]) as page:
        page.driver.get(url)
        expect(page.js("return document.querySelector('noscript > p').textContent"),
               d.page["noScript"], "the page with scripts off")
        faces.look(page)


def check_broken_module(page, d, site, faces):
    """A module that cannot load, here cut short, leaves the page with a report of what failed
    in the window's place, its link to reload focused; nothing closes it, though a script opened
    its window."""
    with tempfile.TemporaryDirectory(prefix="ponderival-broken-") as broken:
        shutil.copytree(site, broken, dirs_exist_ok=True)
        wasm = Path(broken) / f"{MODULE}.wasm"
        wasm.write_bytes(wasm.read_bytes()[:wasm.stat().st_size // 2])
        with Server(broken) as server:
            page.driver.get(server.url)
            opener = popup(page, server.url)
            failed = d.ids["loadFailed"]
            page.wait("!document.getElementById(arguments[0]).hidden", failed, what="the report")
            page.ticks(5, d["timer1"]["interval"])
            shown = page.js("""const box = document.getElementById(arguments[0]);
                const part = (name) => document.getElementById(box.getAttribute(name)).textContent;
                return [document.querySelector('main').hidden,
                        document.getElementById(arguments[1]).hidden, box.getAttribute('role'),
                        part('aria-labelledby'), part('aria-describedby'),
                        document.activeElement.id, document.activeElement.textContent];""",
                            failed, d.ids["endedLine"])
            expect([len(page.driver.window_handles)] + shown,
                   [2, True, True, "alertdialog", d.page["loadFailedTitle"],
                    d.page["loadFailedText"], d.ids["reloadLink"], d.page["reload"]],
                   "the page whose module did not load, still open")
            faces.look(page)
            page.driver.close()
            page.driver.switch_to.window(opener)


def check_closing(page, url):
    """A window that a script opened may be closed by its page: cmdEsc closes it."""
    page.open(url)
    opener = popup(page, url)
    page.open(url)
    page.click("cmdEsc")
    wait_for(lambda: len(page.driver.window_handles) == 1, TIMEOUT, "the window closed by cmdEsc")
    page.driver.switch_to.window(opener)


def check_phone(page, d, url):
    """On a phone the window fits, unzoomed; a tap presses a button; a double tap zooms
    nothing."""
    page.cdp("Emulation.setDeviceMetricsOverride", **PHONE)
    page.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)
    page.open(url)

    def tap(name, times=1):
        x, y = page.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2]", name)
        for _ in range(times):
            page.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
            page.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
    tap("Label5", times=2)
    tap("cmdStop")
    page.wait_for_answer(d, answers(1)[0])
    left, top, width, height = page.window_rect()
    # Chromium never zooms a page of the device's width on a double tap; the page asks every
    # browser not to.
    expect(page.js("const root = document.documentElement; return [visualViewport.scale, "
                   "innerWidth, root.scrollWidth, root.scrollHeight, "
                   "getComputedStyle(root).touchAction]") +
           [left >= 0 and top >= 0 and left + width <= PHONE["width"] and
            top + height <= PHONE["height"]],
           [1, PHONE["width"], PHONE["width"], PHONE["height"], "manipulation", True],
           "the page on a phone: its scale, its size, taps, the window inside it")
    page.cdp("Emulation.clearDeviceMetricsOverride")
    page.cdp("Emulation.setTouchEmulationEnabled", enabled=False)


def check_offline(page, d, server):
    """Once the page has been opened, it works again with the server gone."""
    page.open(server.url)
    page.wait("navigator.serviceWorker.controller !== null", what="the service worker")
    server.stop()
    page.driver.refresh()
    page.wait("document.querySelector('main:not([aria-busy])') !== null",
              what="the page again, from the service worker")
    page.press("SPACE")
    page.wait_for_answer(d, answers(1)[0])


def check_single_file(page, d, path):
    """From disk, with no server: the page works, breaks none of its policy and asks for
    nothing but what it carries."""
    url = Path(path).resolve().as_uri()
    page.open(url)
    page.press("ENTER")
    page.wait_for_answer(d, answers(1)[0])
    expect([u for u in page.asked(url) if u != url and not u.startswith("data:")], [],
           "requests from the single file")


def main(argv):
    site, testsite, single, description = argv[1:5]
    require("selenium", "fontTools", f"{site}/index.html", f"{testsite}/index.html", single,
            description)
    d, faces = Description(description), Faces()
    check_exports(site, testsite, single, d)
    check_early_click(site, d)
    with Chromium() as page:
        with Server(site) as server:
            check_closing(page, server.url)
            check_phone(page, d, server.url)
            check_no_script(d, server.url, faces)
            check_offline(page, d, server)
        check_single_file(page, d, single)
        check_broken_module(page, d, site, faces)
    faces.check(site)
    print("PASS: the test hook, early clicks, a failed load, cmdEsc closing its window, a phone, "
          "offline and from disk")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
