#!/usr/bin/env python3
"""The web page's rows of the benchmark table, measured in headless Chromium through Selenium and
its DevTools protocol, each beside a plain page measured in the same run: the built page with its
scripts taken out (static.html), and that page with a script that writes the same four texts
every 10 ms as the search does (plain.html). Places and colours come from description.json.

Run as a program, SITE_DIR DESCRIPTION_JSON [RUNS], it prints the rows as JSON; run_benchmarks.py
calls web_rows(), which runs it under an interpreter that has Selenium (python3-selenium)."""

import gzip
import json
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path
from urllib.parse import urlparse

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "support"))
# pylint: disable=wrong-import-position
import chromium  # noqa: E402
from description import Description  # noqa: E402
from figures import LEG_FIRST_N, Rows, medians, start_runs_for  # noqa: E402
from waiting import wait_for  # noqa: E402

WINDOW_SECONDS = 5.0
# Both pages run a second before they are timed, so that neither window holds the first tiering
# of its code or the collection of what loading left behind.
SETTLE_SECONDS = 1.0
KINDS = {".wasm": "wasm", ".js": "script", ".woff2": "fonts", ".html": "page", ".css": "page",
         ".webmanifest": "page", ".json": "page"}
HERE = Path(__file__).resolve().parent


def web_rows(site, description, runs):
    """The rows (measure, Ponderival, comparison, compared with, target, met) of the built page."""
    python = next((python for python in (sys.executable, "/usr/bin/python3")
                   if subprocess.run([python, "-c", "import selenium"], capture_output=True,
                                     check=False).returncode == 0), None)
    if not python or not Path(chromium.DRIVER).exists():
        return [("web: not measured", "-", "-", "needs chromium-driver and python3-selenium",
                 "-", "-")]
    done = subprocess.run([python, __file__, str(site), str(description), str(runs)],
                          capture_output=True, text=True, check=True, timeout=900)
    return [tuple(cells) for cells in json.loads(done.stdout)]


def comparison_pages(site, folder):
    """The site beside its two comparison pages, in a folder of their own."""
    shutil.copytree(site, folder, dirs_exist_ok=True)
    page = (folder / "index.html").read_text()
    static = re.sub(r"<script\b[^>]*>.*?</script>\s*", "", page, flags=re.S)
    (folder / "static.html").write_text(static)
    (folder / "plain.html").write_text(static.replace(
        "</body>", f'<script src="plain.js" data-first-n="{LEG_FIRST_N}"></script>\n</body>'))
    shutil.copy(HERE / "webplain.js", folder / "plain.js")


def browser(probe):
    driver = chromium.driven("--headless=new", "--window-size=1024,768")
    # Every load fetches every file, as on a first visit.
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    driver.execute_cdp_cmd("Performance.enable", {})
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": probe})
    return driver


def wait_until(driver, script):
    return wait_for(lambda: driver.execute_script(script), 30, script, poll=0.02)


def open_page(driver, url):
    driver.get("about:blank")
    driver.get(url)
    # Frames before the first paint are not shown: a window in place before it shows with it.
    return wait_until(driver, "const first = performance.getEntriesByName('first-paint')[0];"
                              "const ready = window.benchProbe.paint;"
                              "return first && ready !== null && Math.max(first.startTime, ready)")


def painted_boxes(description):
    """Where each filled area of the window lies, and its colour, as the probe checks them."""
    face = description["dialogFace"]
    boxes = [{"id": description["window"]["name"], "left": None, "top": None, "colour": face,
              "width": description["window"]["width"],
              "height": description["window"]["height"]}]
    for control in description["controls"]:
        if control["visible"] and control["fill"] in ("colour", "windowFace"):
            colour = control["background"] if control["fill"] == "colour" else face
            boxes.append({key: control[key] for key in ("left", "top", "width", "height")}
                         | {"id": control["name"], "colour": colour})
    return boxes


def downloads(driver, url, folder):
    """What a first visit fetches, the service worker's copies included, by kind: gzip -9 and as
    the files are. Later loads pass the worker by, so that each fetches every file again."""
    open_page(driver, url + "index.html")
    driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    asked = re.findall(r'"GET (\S+) HTTP[^"]*" 200', (folder / "requests.log").read_text())
    sizes = {}
    for path in {folder / (urlparse(address).path.lstrip("/") or "index.html")
                 for address in asked}:
        data = path.read_bytes()
        kind = KINDS.get(path.suffix, "other")
        packed, raw = sizes.get(kind, (0, 0))
        sizes[kind] = (packed + len(gzip.compress(data, 9)), raw + len(data))
    return sizes


def metrics(driver):
    found = driver.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]
    return {metric["name"]: metric["value"] for metric in found}


def running_figures(driver, ticks_script):
    """Ticks a second, main-thread CPU and memory over a stretch of running."""
    driver.execute_async_script("setTimeout(arguments[arguments.length - 1], arguments[0])",
                                SETTLE_SECONDS * 1000)
    before = metrics(driver)
    ticks, seconds = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        f"const ticks = () => {ticks_script}; const start = performance.now(), first = ticks();"
        f"setTimeout(() => done([ticks() - first, (performance.now() - start) / 1000]),"
        f" {WINDOW_SECONDS * 1000});")
    after = metrics(driver)
    busy = after["TaskDuration"] - before["TaskDuration"]
    driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
    heap = driver.execute_cdp_cmd("Runtime.getHeapUsage", {})["usedSize"]
    wasm, initial = driver.execute_script(
        "return [window.benchProbe.wasmBytes(), window.benchProbe.initialBytes]")
    return {"rate": ticks / seconds, "cpu": 100 * busy / (after["Timestamp"] - before["Timestamp"]),
            "heap": heap, "wasm": wasm, "initial": initial}


def open_plain_page(driver, url):
    """The plain page, with the pointer resting on cmdStop as the program's run leaves it: while
    it rests on a page, every layout is followed by a hover test at the pointer, on both pages
    alike."""
    # Imported here: whatever imports web_rows() may have no Selenium.
    from selenium.webdriver.common.action_chains import ActionChains  # pylint: disable=C0415
    open_page(driver, url + "plain.html")
    ActionChains(driver).move_to_element(driver.find_element("id", "cmdStop")).perform()


def run_program(driver, url, description):
    """Starts the page's search and lets it run on from where the tick leg begins, then times
    it."""
    open_page(driver, url + "index.html")
    wait_until(driver, "return !document.querySelector('main[aria-busy]')")
    idle = description["stopLooks"]["idle"]["caption"]
    stop = driver.find_element("id", "cmdStop")
    field = "Number(document.getElementById('lblN').textContent)"
    while True:
        reached = driver.execute_script(f"return {field}")
        stop.click()
        if reached >= LEG_FIRST_N:
            break
        wait_until(driver, f"return document.getElementById('cmdStop').textContent === "
                           f"{json.dumps(idle)}")
    return running_figures(driver, field)


def measure(site, description, runs):
    probe = (f"const paintedBoxes = {json.dumps(painted_boxes(description))};\n"
             + (HERE / "webprobe.js").read_text())
    with tempfile.TemporaryDirectory(prefix="ponderival-webbench-") as temporary:
        folder = Path(temporary)
        comparison_pages(site, folder)
        with chromium.Server(folder, log=(folder / "requests.log").open("w")) as server:
            url, driver = server.url, browser(probe)
            try:
                sizes = downloads(driver, url, folder)
                loads, running = {"page": [], "static": []}, {"program": [], "plain": []}
                # Alternated, so that a slower stretch of the machine falls on both alike.
                for _ in range(start_runs_for(runs)):
                    loads["page"].append(open_page(driver, url + "index.html"))
                    loads["static"].append(open_page(driver, url + "static.html"))
                # The renderer's CPU scatters by a fifth from one stretch to the next, so there
                # are more stretches than runs, and each pair is compared on its own.
                for _ in range(max(runs * 2, 6)):
                    running["program"].append(run_program(driver, url, description))
                    open_plain_page(driver, url)
                    running["plain"].append(running_figures(driver, "window.ticks"))
            finally:
                driver.quit()
    program, plain = medians(running["program"]), medians(running["plain"])
    plain["cpu_ratio"] = statistics.median(
        ours["cpu"] / theirs["cpu"] for ours, theirs in zip(running["program"], running["plain"]))
    return (sizes, {key: statistics.median(times) for key, times in loads.items()}, program, plain)


def rows_of(sizes, loads, program, plain):
    row = Rows("web: ")
    kib = lambda kind, which: sizes.get(kind, (0, 0))[which] / 1024
    parts = ("page", "script", "wasm")
    packed, raw = (sum(kib(kind, which) for kind in parts) for which in (0, 1))
    row("download, program gzip -9 (KiB)", f"{packed:.1f}", f"{raw:.1f}",
        "as served; gzip page {:.1f} + script {:.1f} + wasm {:.1f}".format(
            *(kib(kind, 0) for kind in parts)), "<= 100", packed <= 100)
    row("download, fonts gzip -9 (KiB)", f"{kib('fonts', 0):.1f}", f"{kib('fonts', 1):.1f}",
        f"as served; icons and licence {kib('other', 0):.1f}", "-", None)
    ratio = loads["page"] / loads["static"]
    row("load to first complete paint (ms)", f"{loads['page']:.1f}", f"{loads['static']:.1f}",
        f"static page, no script ({ratio:.2f}x)", "<= 1.1x", ratio <= 1.1)
    rate = program["rate"]
    row("tick rate, shown tab (% of 100/s)", f"{rate:.2f}", f"{plain['rate']:.2f}",
        "plain page, the same four texts every 10 ms", ">= 99.5", rate >= 99.5)
    ratio = plain["cpu_ratio"]
    row("CPU running, renderer main thread (% core)", f"{program['cpu']:.2f}",
        f"{plain['cpu']:.2f}", f"plain page ({ratio:.2f}x, the median of paired stretches)",
        "<= 1.15x", ratio <= 1.15)
    mib = lambda size: size / 1024 / 1024
    row("memory running, JS heap + wasm (MiB)",
        f"{mib(program['heap']):.2f} + {mib(program['wasm']):.2f}", f"{mib(plain['heap']):.2f}",
        f"plain page's JS heap; wasm initial {program['initial'] / 1024:.0f} KiB", "-", None)
    return row


def main():
    description = Description(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    print(json.dumps(rows_of(*measure(Path(sys.argv[1]).resolve(), description, runs))))


if __name__ == "__main__":
    main()
