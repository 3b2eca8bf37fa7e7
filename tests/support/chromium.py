"""Chromium and the page's server as the page's tests and benchmarks start them: the built page's
folder served on 127.0.0.1 as scripts/serve-web.sh serves it, and Chromium fetching, syncing and
showing nothing of its own, driven through WebDriver (chromium-driver) or started alone."""

import os
import subprocess
import sys
from pathlib import Path

from waiting import Started

BINARY = "/usr/bin/chromium"
DRIVER = "/usr/bin/chromedriver"
SERVER = Path(__file__).resolve().parents[2] / "scripts" / "serve_web.py"
# No first-run pages, no updates, reports or lists fetched, and no GPU, which the machine may lack.
FLAGS = ["--disable-gpu", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--disable-quic"]


def arguments(*extra):
    """FLAGS and the extra ones; as root, no sandbox, without which Chromium will not start."""
    return FLAGS + (["--no-sandbox"] if os.geteuid() == 0 else []) + list(extra)


def driven(*extra, load="normal", logging=None):
    """A Chromium driven through WebDriver, with the extra flags; load: WebDriver's page load
    strategy; logging: the logs kept, by kind (goog:loggingPrefs)."""
    # pylint: disable=import-outside-toplevel
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = BINARY
    options.page_load_strategy = load
    for flag in arguments(*extra):
        options.add_argument(flag)
    if logging:
        options.set_capability("goog:loggingPrefs", logging)
    return webdriver.Chrome(service=Service(DRIVER), options=options)


class Server(Started):
    """The folder on 127.0.0.1 at a free port; with log, a file, what it is asked for is written
    there."""

    def __init__(self, folder, log=None):
        env = {**os.environ, "PONDERIVAL_SERVER_LOG": "1"} if log else None
        self.process = subprocess.Popen([sys.executable, "-B", str(SERVER), str(folder), "0"],
                                        stdout=subprocess.PIPE, stderr=log, text=True, env=env)
        self.url = self.process.stdout.readline().strip()
