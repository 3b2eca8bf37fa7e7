#!/usr/bin/python3
"""The page as a user meets it, served as a static site, in one browser engine (chromium,
webkitgtk or firefox): where each control lies and what colour it is, read from screenshots, Idle
and Running, the focus on one button and the other; the statement's lines in their box; the
keyboard, the backdrop, the answers with the real timer, the end and the overflow report on the
test page, each as its check says; and every character drawn in its face's web font. In Chromium
also what the page may do (its policy, the files it asks for, what it keeps, whether Chromium
would install it), its accessibility tree at the end, a screen of fractional density and the
desktop's colour schemes. Everything expected comes from the window's description.

Usage: tst_page.py ENGINE SITE_FOLDER TEST_SITE_FOLDER DESCRIPTION_JSON"""

import itertools
import sys
from pathlib import Path
from urllib.parse import urlparse

from pagesupport import (Chromium, Faces, Server, Description, answers, browser, expect,
                         inverted, require)

# The window lands on whole pixels at every density tried.
VIEWPORT = (798, 596)
SCALES = (1.5,)
# Just larger than the window: a screenshot no larger than it needs to be.
SMALL_WINDOW = (340, 480)
# The statement fills five lines of its box, as in the window it was described for.
STATEMENT_LINES = 5
INT32_MAX = 2**31 - 1


def check_opening(page, d):
    expect(page.js("return document.title"), d["window"]["accessibleName"], "the page's title")
    # The focus comes with the window: at once, or when the engine's window is first activated.
    page.wait("document.activeElement.id === arguments[0]", d.focusable()[0],
              what="the focus on the first button as the window opens")
    width, height = d["window"]["width"], d["window"]["height"]
    inner = page.js("return [innerWidth, innerHeight]")
    expect(page.window_rect(), [(inner[0] - width) / 2, (inner[1] - height) / 2, width, height],
           "the window, centred")
    places = page.js("""const box = document.querySelector('main').getBoundingClientRect();
        return Object.fromEntries([...document.querySelectorAll('main > [id]')].map(e => {
            const r = e.getBoundingClientRect();
            return [e.id, e.getClientRects().length ?
                [r.left - box.left, r.top - box.top, r.width, r.height] : null]; }));""")
    for c in d["controls"]:
        place = [c["left"], c["top"], c["width"], c["height"]] if c["visible"] else None
        expect(places[c["name"]], place, f"the place of {c['name']}")
        if c["kind"] != "shape":
            expect(page.text(c["name"]), c["text"], f"the text of {c['name']}")
    # Each line of the statement is a box of its own; none may lie outside the label's.
    lines = page.js("""const label = document.getElementById('Label5'), range = new Range();
        range.selectNodeContents(label);
        const box = label.getBoundingClientRect(), lines = [...range.getClientRects()];
        return [new Set(lines.map(r => Math.round(r.top))).size, lines.every(r =>
            r.left >= box.left && r.right <= box.right && r.top >= box.top &&
            r.bottom <= box.bottom)];""")
    expect(lines, [STATEMENT_LINES, True], "the statement's lines, all inside its box")


def check_button(picture, d, c, face, focused):
    x, y, w, h = c["left"], c["top"], c["width"], c["height"]
    edges = d["edges"]
    for (px, py), colour in (((x, y), edges["highlight"]), ((x + 1, y + 1), edges["light"]),
                             ((x + w - 1, y + h - 1), edges["darkShadow"]),
                             ((x + w - 2, y + h - 2), edges["shadow"]),
                             ((x + 2, y + h // 2), face)):
        expect(picture.at(px, py), colour, f"{c['name']} at {px - x},{py - y}")
    if focused is not None:
        ring = {picture.at(px, y + 3) for px in range(x + 3, x + w - 3)}
        expect(ring, {face, inverted(face)} if focused else {face},
               f"{c['name']}'s focus rectangle")


def check_look(picture, d, stop_face, focused):
    """focused: the button with the focus rectangle, or None where it is not looked at."""
    expect(picture.at(-2, -2), d.page["backdrop"], "the page around the window")
    expect(picture.at(2, 2), d["dialogFace"], "the window's face")
    shape = d.controls["Shape1"]
    expect(picture.at(shape["left"], shape["top"] + 20), d["windowText"], "Shape1's line")
    for c in d["controls"]:
        if c["visible"] and c["kind"] in ("label", "field") and \
                c["fill"] in ("colour", "windowFace"):
            fill = c["background"] if c["fill"] == "colour" else d["dialogFace"]
            expect(picture.at(c["left"] + 1, c["top"] + 1), fill, f"{c['name']}'s background")
    for name in d.focusable():
        face = stop_face if name == "cmdStop" else d.controls[name]["background"]
        check_button(picture, d, d.controls[name], face, None if focused is None else
                     name == focused)


def contrast(a, b):
    """How far two colours ("#rrggbb") stand apart, from 1 to 21, as WCAG 2 measures it."""
    def luminance(colour):
        channels = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
        red, green, blue = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
                            for c in channels]
        return 0.2126 * red + 0.7152 * green + 0.0722 * blue
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def check_colours(url, d):
    """In a dark colour scheme and in forced colours the window's face and texts are the
    browser's own, while the fields and the buttons keep their fills, with texts that stand out on
    them at least 4.5:1. Each in a Chromium of its own: one that has left forced colours may still
    show them."""
    for feature, value in (("prefers-color-scheme", "dark"), ("forced-colors", "active")):
        with Chromium() as page:
            page.viewport(*VIEWPORT)
            page.open(url)
            page.cdp("Emulation.setEmulatedMedia", features=[{"name": feature, "value": value}])
            check_colours_shown(page, d, f"{feature}: {value}")


def check_colours_shown(page, d, what):
    face, text = page.js("""const hex = (c) => '#' + c.match(/[0-9]+/g).slice(0, 3)
            .map(n => Number(n).toString(16).padStart(2, '0')).join('');
        const style = getComputedStyle(document.querySelector('main'));
        return [hex(style.backgroundColor), hex(style.color)];""")
    picture = page.screenshot()
    expect([face != d["dialogFace"], picture.at(2, 2)], [True, face], f"the face, {what}")
    heading = d.controls["Label1"]
    inks = {picture.at(x, y) for x in range(heading["left"], heading["left"] + heading["width"])
            for y in range(heading["top"], heading["top"] + heading["height"])}
    expect(text in inks, True, f"the heading drawn in {text}, {what}: {sorted(inks)}")
    for name in ("lblCivico", "cmdStop", "cmdEsc"):
        c = d.controls[name]
        fill = d["stopLooks"]["idle"]["face"] if name == "cmdStop" else c["background"]
        middle = c["top"] + c["height"] // 2
        expect(picture.at(c["left"] + 2, middle), fill, f"{name}'s fill, {what}")
        # Inside the focus rectangle, across the text.
        best = max(contrast(picture.at(x, middle), fill)
                   for x in range(c["left"] + 6, c["left"] + c["width"] - 6))
        expect(best >= 4.5, True, f"{name}'s text against its fill, {what}: {best:.2f}")


def check_keyboard(page, d):
    """Tab and Right or Down go to the next button, Shift+Tab and Left or Up to the one before,
    round the two; Esc presses nothing. From no button, Tab goes to the first of the table's tab
    order, wherever the document puts it."""
    first, second = d.focusable()
    # Each key but Esc takes the focus to the other button.
    keys = "TAB TAB Shift+TAB Shift+TAB RIGHT DOWN LEFT UP LEFT RIGHT UP DOWN ESCAPE".split()
    for key, focus in zip(keys, [second, first] * 6 + [first]):
        page.press(key)
        expect([page.focused(), page.text("cmdStop"), page.text("lblN")],
               [focus, d["stopLooks"]["idle"]["caption"], d.controls["lblN"]["text"]],
               f"the window after {key}")
    # A click that names no control of the table, as a script may make one, runs nothing, and
    # the window goes on (the answers below start from here).
    kept = page.js("window.failed = []; addEventListener('error', e => failed.push(e.message));"
                   "return document.getElementById('cmdStop').dataset.control")
    for control in ("-1", "99", kept):
        page.js("document.getElementById('cmdStop').dataset.control = arguments[0]", control)
        if control != kept:
            page.click("cmdStop")
    expect([page.text("cmdStop"), page.text("lblN"), page.js("return failed")],
           [d["stopLooks"]["idle"]["caption"], d.controls["lblN"]["text"], []],
           "the window after clicks on controls -1 and 99")
    page.js("document.getElementById(arguments[0]).before(document.getElementById(arguments[1]));"
            "document.activeElement.blur()", first, second)
    page.press("TAB")
    expect(page.focused(), first, "the focus after Tab from no button, the document reordered")
    page.js("document.getElementById(arguments[0]).after(document.getElementById(arguments[1]))",
            first, second)


def check_backdrop(page, d):
    """A click on the grey around the window leaves the focus on its button, and a drag from
    there across the window selects none of its texts."""
    first, second = d.focusable()
    left, top, width, height = page.window_rect()
    for focus, shift_tab_to in ((first, second), (second, first)):
        page.drag((int(left) - 10, int(top) + 10))
        expect(page.focused(), focus, "the focus after a click on the backdrop")
        page.press("Shift+TAB")
        expect(page.focused(), shift_tab_to, "the focus after the backdrop, then Shift+Tab")
    page.drag((int(left) - 10, int(top) + 10), (int(left + width) - 5, int(top + height) - 5))
    expect([page.focused(), page.js("return getSelection().toString()")], [first, ""],
           "the focus and the selection after a drag from the backdrop")


def check_answers(page, d):
    """Enter, Space and the mouse each search on to the next answer, and a screen reader hears
    the run start, then the answer with its headings and the button's caption."""
    looks, seen = d["stopLooks"], d.seen_fields()
    for answer, press in zip(answers(3), ("ENTER", "SPACE", None)):
        if press:
            page.press(press)
        else:
            page.click("cmdStop")
        page.wait_for_answer(d, answer)
        spoken = [f"{d.heading(f)} {value}" for f, value in zip(seen, answer)]
        heard = page.js("return [[...document.getElementById(arguments[0]).children]"
                        ".map(p => p.textContent).slice(-3), [...document.querySelectorAll"
                        "('main .sr:not([role])')].map(e => e.textContent), document."
                        "getElementById('cmdStop').hasAttribute('aria-description')]",
                        d.ids["liveRegion"])
        # The answer is said once, by the live region: a description on the focused button would
        # be spoken a second time.
        expect(heard, [[looks["running"]["caption"], ", ".join(spoken), looks["idle"]["caption"]],
                       spoken, False], "what a screen reader is given")


def check_running(page, d, faces):
    """Started by a click that moves no focus, then running with the focus on cmdEsc; the fields'
    spoken names follow at a pace a screen reader can take while the unseen fields change with
    every step."""
    running = d["stopLooks"]["running"]
    # A click that moves no focus itself, as Safari's and Firefox's on macOS: the clicked button
    # takes it all the same.
    page.js("document.getElementById('cmdEsc').focus(); document.getElementById('cmdStop').click()")
    page.wait("document.getElementById('cmdStop').textContent === arguments[0]",
              running["caption"])
    expect(page.focused(), "cmdStop", "the focus after a click that moves none")
    page.press("TAB")
    check_look(page.screenshot(), d, running["face"], "cmdEsc")
    faces.look(page)
    counts = page.js_async("""const done = arguments[2];
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


def check_end(page, d, url):
    """Esc presses nothing; cmdEsc, with the focus, ends the program at once. This tab was not
    opened by a script and has a history, so the page may not close it: it is left with one line
    and a way to start again, the line describing the link that has the focus."""
    page.press("ESCAPE")
    expect([page.text("cmdStop"), page.js("return document.querySelector('main').hidden")],
           [d["stopLooks"]["running"]["caption"], False], "the window after Esc")
    page.press("ENTER")
    page.wait("document.querySelector('main').hidden", what="the window gone")
    house = page.text("lblN")
    page.ticks(5, d["timer1"]["interval"])
    expect(page.text("lblN"), house, "the last house after cmdEsc")
    line = page.js("const p = document.getElementById(arguments[0]), a = document.activeElement;"
                   "return [p.hidden, p.textContent, a.id, a.href, document.getElementById("
                   "a.getAttribute('aria-describedby')).textContent]", d.ids["endedLine"])
    expect(line, [False, f"{d.page['ended']} {d.page['restart']}", d.ids["restartLink"], url,
                  d.page["ended"]], "the ended page")
    if isinstance(page, Chromium):
        expect(page.focused_node(),
               {"role": "link", "name": d.page["restart"], "description": d.page["ended"]},
               "what the accessibility tree gives a screen reader at the end")


def check_overflow(page, d, url, faces):
    """On the test page, the step whose sum leaves 32 bits fails with what it wrote so far on
    show; the report is modal, alone, and the program ends once it is acknowledged."""
    page.open(url)
    page.js("history.pushState(null, '', location.href)")
    house = int(page.text("lblN"))
    expect([page.text("lblTot"), page.text("lblCivico")],
           [str(house * (house + 1) // 2), str(house + 1)], "the test page's panel")
    failing = next(n for n in itertools.count(house) if n * (n + 1) // 2 > INT32_MAX)
    page.press("SPACE")
    report = d.ids["report"]
    page.wait("document.getElementById(arguments[0]).open", report, what="the report")
    fields = ["lblN", "lblCivico", "lblTot"]
    expected = [str(failing), str(failing + 1), str((failing - 1) * failing // 2)]
    shown = page.js("return [document.getElementById(arguments[0]).matches(':modal'), "
                    "document.getElementById(arguments[1]).textContent, "
                    "document.getElementById(arguments[2]).textContent, "
                    "document.activeElement.id]", report, d.ids["reportTitle"],
                    d.ids["reportText"])
    expect(shown, [True, d["report"]["title"], d["report"]["overflow"],
                   d.ids["acknowledgeButton"]], "the report")
    expect([page.text(name) for name in fields], expected, "the panel behind the report")
    faces.look(page)
    page.ticks(5, d["timer1"]["interval"])
    expect([page.text(name) for name in fields], expected, "the panel once the timer is due")
    page.press("ENTER")
    page.wait("document.querySelector('main').hidden && !document.getElementById("
              "arguments[0]).hidden && !document.getElementById(arguments[1]).open",
              d.ids["endedLine"], report, what="the program ended")


def check_policy(page, url, site):
    expect([u for u in page.asked(url) if not u.startswith(url) or not
            (Path(site) / (urlparse(u).path.lstrip("/") or "index.html")).is_file()], [],
           "requests for anything but the page's own files")
    kept = page.driver.execute_async_script("""const done = arguments[0];
        Promise.all([caches.keys(), indexedDB.databases()]).then(([names, bases]) => done([
            document.cookie, localStorage.length, sessionStorage.length, bases.length,
            names.map(n => n.replace(/-.*/, ''))]));""")
    expect(kept, ["", 0, 0, 0, ["ponderival"]], "what the page keeps")
    expect(page.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [],
           "Chromium's installability errors")
    blocked = page.driver.execute_async_script("""const done = arguments[0];
        document.addEventListener('securitypolicyviolation', e => done(e.effectiveDirective));
        const script = document.createElement('script');
        script.textContent = 'window.ran = true';
        document.body.append(script);
        setTimeout(() => done(window.ran ? 'ran' : 'no report'), 5000);""")
    expect(blocked, "script-src-elem", "an inline script put into the page")


def check_sharpness(url, d):
    """On a screen of fractional density the filled fields' edges fall between device pixels,
    with no blend of the colours on either side."""
    for scale in SCALES:
        with Chromium(scale, SMALL_WINDOW) as page:
            page.open(url)
            picture = page.screenshot()
            left, top = picture.left, picture.top
            for c in d["controls"]:
                if c["visible"] and c["kind"] in ("label", "field") and c["fill"] == "colour":
                    y = round((top + c["top"] + 1) * scale)
                    row = {picture.pixel(x, y) for x in range(
                        int((left + c["left"] - 2) * scale),
                        int((left + c["left"] + c["width"] + 2) * scale))}
                    expect(row, {c["background"], d["dialogFace"]},
                           f"{c['name']}'s edges at {scale} device pixels a pixel")


def main(argv):
    engine, site, testsite, description = argv[1:5]
    require(f"{site}/index.html", f"{testsite}/index.html", description)
    d, faces = Description(description), Faces()
    with Server(site) as server, browser(engine) as page:
        page.viewport(*VIEWPORT)
        page.open(server.url)
        # A tab with a history is one the page may not close: it is left with the ended line.
        page.js("history.pushState(null, '', location.href)")
        check_opening(page, d)
        check_look(page.screenshot(), d, d["stopLooks"]["idle"]["face"], d.focusable()[0])
        faces.look(page)
        check_keyboard(page, d)
        check_backdrop(page, d)
        check_answers(page, d)
        check_running(page, d, faces)
        check_end(page, d, server.url)
        faces.look(page)
        if isinstance(page, Chromium):
            check_policy(page, server.url, site)
            check_sharpness(server.url, d)
            check_colours(server.url, d)
        with Server(testsite) as test_server:
            check_overflow(page, d, test_server.url, faces)
    faces.check(site)
    print(f"PASS: the page in {engine}: look, keyboard, first three answers, end, report, faces")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
