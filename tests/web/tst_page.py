#!/usr/bin/python3
"""The page as a user meets it, served as a static site, in headless Chromium: where each control
lies and what colour it is (read from screenshots, Idle and Running, the focus on one button and
the other, and the edges on a screen of fractional density), the keyboard, the first three
answers with the real timer and what a screen reader is given of them, Esc and cmdEsc, and what
the page may do: its policy, the files it asks for, what it keeps, whether Chromium would install
it. Everything expected comes from the window's description (description.json).

Usage: tst_page.py SITE_FOLDER DESCRIPTION_JSON"""

import sys
from pathlib import Path
from urllib.parse import urlparse

from pagesupport import (Browser, Description, Picture, Server, answers, expect, inverted,
                         skip_unless_ready)

# The window lands on whole pixels at every density tried.
VIEWPORT = (798, 596)
SCALES = (1.5,)
# Just larger than the window: a screenshot no larger than it needs to be.
SMALL_WINDOW = (340, 480)


def check_opening(browser, d):
    expect(browser.js("return document.title"), d["window"]["accessibleName"], "the page's title")
    expect(browser.focused(), d.focusable()[0], "the focus as the window opens")
    width, height = d["window"]["width"], d["window"]["height"]
    expect(browser.window_rect(), [(VIEWPORT[0] - width) / 2, (VIEWPORT[1] - height) / 2,
                                   width, height], "the window, centred")
    places = browser.js("""const box = document.querySelector('main').getBoundingClientRect();
        return Object.fromEntries([...document.querySelectorAll('main > [id]')].map(e => {
            const r = e.getBoundingClientRect();
            return [e.id, e.getClientRects().length ?
                [r.left - box.left, r.top - box.top, r.width, r.height] : null]; }));""")
    for c in d["controls"]:
        place = [c["left"], c["top"], c["width"], c["height"]] if c["visible"] else None
        expect(places[c["name"]], place, f"the place of {c['name']}")
        if c["kind"] != "shape":
            expect(browser.text(c["name"]), c["text"], f"the text of {c['name']}")


def check_button(picture, d, c, face, focused):
    x, y, w, h = c["left"], c["top"], c["width"], c["height"]
    edges = d["edges"]
    for (px, py), colour in (((x, y), edges["highlight"]), ((x + 1, y + 1), edges["light"]),
                             ((x + w - 1, y + h - 1), edges["darkShadow"]),
                             ((x + w - 2, y + h - 2), edges["shadow"]),
                             ((x + 2, y + h // 2), face)):
        expect(picture.at(px, py), colour, f"{c['name']} at {px - x},{py - y}")
    ring = {picture.at(px, y + 3) for px in range(x + 3, x + w - 3)}
    expect(ring, {face, inverted(face)} if focused else {face}, f"{c['name']}'s focus rectangle")


def check_look(browser, d, stop_face, focused):
    picture = browser.screenshot()
    expect(picture.at(-2, -2), d.page["backdrop"], "the page around the window")
    expect(picture.at(2, 2), d["dialogFace"], "the window's face")
    shape = d.controls["Shape1"]
    expect(picture.at(shape["left"], shape["top"] + 20), d["windowText"], "Shape1's line")
    for c in d["controls"]:
        if c["visible"] and c["kind"] in ("label", "field") and c["fill"] in ("colour", "windowFace"):
            fill = c["background"] if c["fill"] == "colour" else d["dialogFace"]
            expect(picture.at(c["left"] + 1, c["top"] + 1), fill, f"{c['name']}'s background")
    for name in d.focusable():
        face = stop_face if name == "cmdStop" else d.controls[name]["background"]
        check_button(picture, d, d.controls[name], face, name == focused)


def check_keyboard(browser, d):
    from selenium.webdriver.common.keys import Keys  # pylint: disable=import-outside-toplevel
    first, second = d.focusable()
    for shift, focus in ((False, second), (False, first), (True, second), (True, first)):
        browser.press(Keys.TAB, shift)
        expect(browser.focused(), focus, f"the focus after {'Shift+' * shift}Tab")
    for key in (Keys.LEFT, Keys.RIGHT, Keys.UP, Keys.DOWN, Keys.ESCAPE):
        browser.press(key)
        expect([browser.focused(), browser.text("cmdStop"), browser.text("lblN")],
               [first, d["stopLooks"]["idle"]["caption"], d.controls["lblN"]["text"]],
               "the window after a key that presses nothing")


def check_answers(browser, d):
    """Enter, Space and the mouse each search on to the next answer, and a screen reader hears
    the run start, then the answer with its headings and the button's caption."""
    from selenium.webdriver.common.keys import Keys  # pylint: disable=import-outside-toplevel
    looks, seen = d["stopLooks"], d.seen_fields()
    for answer, press in zip(answers(3), (Keys.ENTER, Keys.SPACE, None)):
        if press:
            browser.press(press)
        else:
            browser.click("cmdStop")
        values = [str(value) for value in answer]
        browser.wait("arguments[0].every((n, i) => document.getElementById(n)"
                     ".querySelector('[aria-hidden]').textContent === arguments[1][i]) && "
                     "document.getElementById('cmdStop').textContent === arguments[2]",
                     [f["name"] for f in seen], values, looks["idle"]["caption"],
                     what=f"the answer {values}")
        spoken = [f"{d.heading(f)} {value}" for f, value in zip(seen, values)]
        heard = browser.js("return [[...document.getElementById(arguments[0]).children]"
                           ".map(p => p.textContent).slice(-3), [...document.querySelectorAll"
                           "('main .sr:not([role])')].map(e => e.textContent), document."
                           "getElementById('cmdStop').hasAttribute('aria-description')]",
                           d.page["liveRegion"])
        summary = ", ".join(spoken)
        # The answer is said once, by the live region: a description on the focused button would
        # be spoken a second time.
        expect(heard, [[looks["running"]["caption"], summary, looks["idle"]["caption"]], spoken,
                       False], "what a screen reader is given")


def check_running(browser, d):
    """Running with the focus on cmdEsc; the fields' spoken names follow at a pace a screen reader
    can take while the unseen fields change with every step."""
    from selenium.webdriver.common.keys import Keys  # pylint: disable=import-outside-toplevel
    running = d["stopLooks"]["running"]
    browser.click("cmdStop")
    browser.wait("document.getElementById('cmdStop').textContent === arguments[0]",
                 running["caption"])
    browser.press(Keys.TAB)
    check_look(browser, d, running["face"], "cmdEsc")
    counts = browser.driver.execute_async_script("""const done = arguments[2];
        const field = document.getElementById(arguments[0]), counts = {shown: 0, spoken: 0};
        const unseen = () => arguments[1].map(n => document.getElementById(n).textContent);
        const before = unseen(), start = performance.now();
        const count = (part, key) => new MutationObserver(r => { counts[key] += r.length; })
            .observe(field.querySelector(part),
                     {childList: true, characterData: true, subtree: true});
        count('[aria-hidden]', 'shown');
        count('.sr', 'spoken');
        const poll = () => counts.shown < 100 ? setTimeout(poll, 20) : done(Object.assign(counts,
            {ms: performance.now() - start, before: before, after: unseen()}));
        poll();""", "lblTot", ["lblN", "lblTot2"])
    if counts["spoken"] > counts["ms"] / 250 + 2:
        raise AssertionError(f"the field's spoken name changed too often: {counts}")
    for index, name in enumerate(("lblN", "lblTot2")):
        if counts["before"][index] == counts["after"][index]:
            raise AssertionError(f"the unseen {name} did not change while running: {counts}")


def check_sharpness(url, d):
    """On a screen of fractional density the filled fields' edges fall between device pixels,
    with no blend of the colours on either side."""
    for scale in SCALES:
        with Browser(scale, SMALL_WINDOW) as browser:
            browser.open(url)
            picture = Picture(browser.driver.get_screenshot_as_png())
            left, top, _, _ = browser.window_rect()
            for c in d["controls"]:
                if c["visible"] and c["kind"] in ("label", "field") and c["fill"] == "colour":
                    y = round((top + c["top"] + 1) * scale)
                    row = {picture.pixel(x, y) for x in range(
                        int((left + c["left"] - 2) * scale),
                        int((left + c["left"] + c["width"] + 2) * scale))}
                    expect(row, {c["background"], d["dialogFace"]},
                           f"{c['name']}'s edges at {scale} device pixels a pixel")


def check_end(browser, d, url):
    """Esc presses nothing; cmdEsc, with the focus, ends the program at once. This tab was not
    opened by a script and has a history, so the page may not close it: it is left with one line
    and a way to start again."""
    from selenium.webdriver.common.keys import Keys  # pylint: disable=import-outside-toplevel
    browser.press(Keys.ESCAPE)
    expect([browser.text("cmdStop"), browser.js("return document.querySelector('main').hidden")],
           [d["stopLooks"]["running"]["caption"], False], "the window after Esc")
    browser.press(Keys.ENTER)
    browser.wait("document.querySelector('main').hidden", what="the window gone")
    house = browser.text("lblN")
    browser.ticks(5, d["timer1"]["interval"])
    expect(browser.text("lblN"), house, "the last house after cmdEsc")
    line = browser.js("const p = document.getElementById(arguments[0]); return [p.hidden, "
                      "p.textContent, document.activeElement.href]", d.page["endedLine"])
    expect(line, [False, f"{d.page['ended']} {d.page['restart']}", url], "the ended page")


def check_policy(browser, url, site):
    console, requests = browser.logs(url)
    expect([e["message"] for e in console if "Content Security Policy" in e["message"] or
            e["level"] == "SEVERE"], [], "policy violations and errors in the console")
    expect([u for u in requests if not u.startswith(url) or not
            (Path(site) / (urlparse(u).path.lstrip("/") or "index.html")).is_file()], [],
           "requests for anything but the page's own files")
    kept = browser.driver.execute_async_script("""const done = arguments[0];
        Promise.all([caches.keys(), indexedDB.databases()]).then(([names, bases]) => done([
            document.cookie, localStorage.length, sessionStorage.length, bases.length,
            names.map(n => n.replace(/-.*/, ''))]));""")
    expect(kept, ["", 0, 0, 0, ["ponderival"]], "what the page keeps")
    expect(browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [],
           "Chromium's installability errors")
    blocked = browser.driver.execute_async_script("""const done = arguments[0];
        document.addEventListener('securitypolicyviolation', e => done(e.effectiveDirective));
        const script = document.createElement('script');
        script.textContent = 'window.ran = true';
        document.body.append(script);
        setTimeout(() => done(window.ran ? 'ran' : 'no report'), 5000);""")
    expect(blocked, "script-src-elem", "an inline script put into the page")


def main(argv):
    site, description = argv[1], argv[2]
    skip_unless_ready(site + "/index.html", description)
    d = Description(description)
    with Server(site) as server, Browser() as browser:
        browser.viewport(*VIEWPORT, 1)
        browser.open(server.url)
        # A tab with a history is one the page may not close: it is left with the ended line.
        browser.js("history.pushState(null, '', location.href)")
        check_opening(browser, d)
        check_look(browser, d, d["stopLooks"]["idle"]["face"], d.focusable()[0])
        check_keyboard(browser, d)
        check_answers(browser, d)
        check_running(browser, d)
        check_end(browser, d, server.url)
        check_policy(browser, server.url, site)
        check_sharpness(server.url, d)
    print("PASS: the page's look, keyboard, first three answers, end and policy")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
