#!/usr/bin/python3
"""How the page's program ends, and where it runs, in headless Chromium: the overflow reported
once and acknowledged, on the test page that opens a few steps before it (a hook the page handed
out does not have); cmdEsc closing a window that a script opened; the page again with the server
gone, from its service worker; and the single file opened from disk. Everything expected comes
from the window's description (description.json).

Usage: tst_lifetime.py SITE_FOLDER TEST_SITE_FOLDER SINGLE_FILE DESCRIPTION_JSON"""

import sys
from pathlib import Path

from pagesupport import Browser, Description, Server, answers, expect, skip_unless_ready

INT32_MAX = 2**31 - 1


def wait_for_answer(browser, d, answer):
    names = [field["name"] for field in d.seen_fields()]
    browser.wait("arguments[0].every((n, i) => document.getElementById(n)"
                 ".querySelector('[aria-hidden]').textContent === String(arguments[1][i]))",
                 names, list(answer), what=f"the answer {answer}")


def check_overflow(browser, d, url):
    """The step whose sum leaves 32 bits fails with what it wrote so far on show; the report is
    modal, alone, and the program ends once it is acknowledged."""
    from selenium.webdriver.common.keys import Keys  # pylint: disable=import-outside-toplevel
    browser.open(url)
    browser.js("history.pushState(null, '', location.href)")
    house = int(browser.text("lblN"))
    expect([browser.text("lblTot"), browser.text("lblCivico")],
           [str(house * (house + 1) // 2), str(house + 1)], "the test page's panel")
    failing = house
    while failing * (failing + 1) // 2 <= INT32_MAX:
        failing += 1
    browser.press(Keys.SPACE)
    report = d.page["report"]
    browser.wait("document.getElementById(arguments[0]).open", report, what="the report")
    fields = ["lblN", "lblCivico", "lblTot"]
    expected = [str(failing), str(failing + 1), str((failing - 1) * failing // 2)]
    shown = browser.js("return [document.getElementById(arguments[0]).matches(':modal'), "
                       "document.getElementById(arguments[1]).textContent, "
                       "document.getElementById(arguments[2]).textContent, "
                       "document.activeElement.id]", report, d.page["reportTitle"],
                       d.page["reportText"])
    expect(shown, [True, d["report"]["title"], d["report"]["overflow"],
                   d.page["acknowledgeButton"]], "the report")
    expect([browser.text(name) for name in fields], expected, "the panel behind the report")
    browser.ticks(5, d["timer1"]["interval"])
    expect([browser.text(name) for name in fields], expected, "the panel once the timer is due")
    browser.press(Keys.ENTER)
    browser.wait("document.querySelector('main').hidden && !document.getElementById("
                 "arguments[0]).hidden && !document.getElementById(arguments[1]).open",
                 d.page["endedLine"], report, what="the program ended")


def check_closing(browser, url):
    """A window that a script opened may be closed by its page: cmdEsc closes it."""
    browser.open(url)
    opener = browser.driver.current_window_handle
    browser.js("window.open(location.href)")
    from selenium.webdriver.support.ui import WebDriverWait  # pylint: disable=C0415
    WebDriverWait(browser.driver, 60).until(lambda driver: len(driver.window_handles) == 2,
                                            "a second window")
    popup = [handle for handle in browser.driver.window_handles if handle != opener]
    expect(len(popup), 1, "windows opened")
    browser.driver.switch_to.window(popup[0])
    browser.open(url)
    browser.click("cmdEsc")
    WebDriverWait(browser.driver, 60).until(lambda driver: len(driver.window_handles) == 1,
                                            "the window closed by cmdEsc")
    browser.driver.switch_to.window(opener)


def check_offline(browser, d, server):
    """Once the page has been opened, it works again with the server gone."""
    from selenium.webdriver.common.keys import Keys  # pylint: disable=import-outside-toplevel
    browser.open(server.url)
    browser.wait("navigator.serviceWorker.controller !== null", what="the service worker")
    server.stop()
    browser.driver.refresh()
    browser.wait("document.querySelector('main') && "
                 "!document.querySelector('main').hasAttribute('aria-busy')",
                 what="the page again, from the service worker")
    browser.press(Keys.SPACE)
    wait_for_answer(browser, d, answers(1)[0])


def check_single_file(browser, d, path):
    """From disk, with no server: the page works, breaks none of its policy and asks for
    nothing but what it carries."""
    from selenium.webdriver.common.keys import Keys  # pylint: disable=import-outside-toplevel
    url = Path(path).resolve().as_uri()
    browser.open(url)
    browser.press(Keys.ENTER)
    wait_for_answer(browser, d, answers(1)[0])
    console, requests = browser.logs(url)
    expect([e["message"] for e in console if "Content Security Policy" in e["message"] or
            e["level"] == "SEVERE"], [], "policy violations and errors in the console")
    expect([u for u in requests if u != url and not u.startswith("data:")], [],
           "requests from the single file")


def check_hook_absent(site, testsite, single):
    """Only the test page's module has the start procedure that moves the panel."""
    def has_hook(path):
        return "_main" in Path(path).read_text(encoding="utf-8")
    expect([has_hook(f"{site}/ponderival-module.js"), has_hook(single),
            has_hook(f"{testsite}/ponderival-module.js")], [False, False, True],
           "the test hook in the page handed out, the single file and the test page")


def main(argv):
    site, testsite, single, description = argv[1:5]
    skip_unless_ready(f"{site}/index.html", f"{testsite}/index.html", single, description)
    d = Description(description)
    check_hook_absent(site, testsite, single)
    with Browser() as browser:
        with Server(testsite) as server:
            check_overflow(browser, d, server.url)
        with Server(site) as server:
            check_closing(browser, server.url)
            check_offline(browser, d, server)
        check_single_file(browser, d, single)
    print("PASS: the overflow report, cmdEsc closing its window, offline and from disk")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
