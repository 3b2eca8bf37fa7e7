// Ponderival in a browser: the page's side of the window. It loads the search, compiled to
// WebAssembly, and lends the window's model the page's elements, Timer1, its live region and the
// end of the program. Texts, places, colours and fonts all come from the page that the build
// wrote from the window's description, and the ids of the page's own elements from this script's
// data attributes, which the build writes too; none is written here. The controls' ids are their
// names.
"use strict";

(() => {
  const ids = document.currentScript.dataset;
  // Consecutive messages go to notices of their own, so that none replaces one not yet read.
  const noticeCount = 3;

  const byId = (id) => document.getElementById(id);

  // Timer1 keeps to its own grid of ticks, so that late ticks do not add up to a slower search;
  // ticks missed while the tab was hidden or the page busy are dropped, not made up for.
  class Timer {
    constructor(tick) {
      Object.assign(this, { tick, on: false, handle: 0, due: 0, interval: 0 });
    }

    start(interval) {
      Object.assign(this, { on: true, interval, due: performance.now() + interval });
      this.schedule();
    }

    stop() {
      this.on = false;
      clearTimeout(this.handle);
    }

    schedule() {
      clearTimeout(this.handle);
      this.handle = setTimeout(() => this.fire(), Math.max(0, this.due - performance.now()));
    }

    fire() {
      const now = performance.now();
      const next = this.due + this.interval;
      this.due = next <= now ? now + this.interval : next;
      this.tick();
      if (this.on) {
        this.schedule();
      }
    }
  }

  // What the window's model asks of the page (window/web/pagebridge.h).
  function makePage(box, timer) {
    const report = byId(ids.report);
    const liveRegion = byId(ids.liveRegion);
    // A field's text is written a hundred times a second: its text node is looked up once.
    const texts = new Map();
    const shown = (name) => {
      if (!texts.has(name)) {
        const control = byId(name);
        const element = control.querySelector("[aria-hidden]") || control;
        element.textContent = element.textContent;
        texts.set(name, element.firstChild || element.appendChild(document.createTextNode("")));
      }
      return texts.get(name);
    };
    return {
      showText: (name, text) => { shown(name).data = text; },
      setCaption: (name, caption) => { byId(name).textContent = caption; },
      setFace: (name, face, focus) => {
        byId(name).style.setProperty("--face", face);
        byId(name).style.setProperty("--focus", focus);
      },
      setTimer: (on, interval) => (on ? timer.start(interval) : timer.stop()),
      say: (...messages) => {
        for (const message of messages.filter(Boolean)) {
          liveRegion.append(Object.assign(document.createElement("p"), { textContent: message }));
        }
        while (liveRegion.childElementCount > noticeCount) {
          liveRegion.firstElementChild.remove();
        }
      },
      nameField: (name, spoken) => { byId(name).querySelector(".sr").textContent = spoken; },
      reportError: (text) => {
        byId(ids.reportText).textContent = text;
        report.showModal();
      },
      end: () => end(box, timer, report),
    };
  }

  // The window goes once the user has acknowledged a report. Where the browser lets the page
  // close its tab or window it closes; otherwise one line and a way to start again are left.
  function end(box, timer, report) {
    if (report.open) {
      report.addEventListener("close", () => end(box, timer, report), { once: true });
      return;
    }
    timer.stop();
    box.hidden = true;
    const endedLine = byId(ids.ended);
    endedLine.hidden = false;
    endedLine.querySelector("a").focus();
    window.close();
  }

  // Tab and Shift+Tab go round the window's buttons, as in a window of its own.
  function moveFocus(box, event) {
    if (event.key !== "Tab" || event.altKey || event.ctrlKey || event.metaKey || box.hidden ||
        byId(ids.report).open) {
      return;
    }
    const buttons = [...box.querySelectorAll("button:not([hidden])")];
    const at = buttons.indexOf(document.activeElement);
    const step = event.shiftKey ? buttons.length - 1 : 1;
    buttons[at < 0 ? 0 : (at + step) % buttons.length].focus();
    event.preventDefault();
  }

  // A click on a control goes to the window's model, which knows what it runs. The window takes
  // clicks and keys from the moment it shows; a click that comes while the search is still
  // loading goes to it once it has loaded.
  function wire(box, run) {
    for (const button of box.querySelectorAll("button")) {
      const control = Number(button.dataset.control);
      button.addEventListener("click", () => run((search) => search._ponderivalClick(control)));
    }
    byId(ids.acknowledge).addEventListener("click", () => byId(ids.report).close());
    document.addEventListener("keydown", (event) => moveFocus(box, event));
    // A click beside the buttons leaves the focus where it was, as in a window of its own.
    box.addEventListener("mousedown", (event) => {
      if (!event.target.closest("button")) {
        event.preventDefault();
      }
    });
  }

  // The single-file page carries its WebAssembly; the served page fetches its own file and
  // keeps itself for use with no network.
  function start() {
    const box = document.querySelector("main");
    let search = null;
    const waiting = [];
    const run = (event) => (search ? event(search) : waiting.push(event));
    wire(box, run);
    const timer = new Timer(() => search._ponderivalTick());
    const page = makePage(box, timer);
    const options = { page };
    const embedded = byId(ids.embeddedWasm);
    if (embedded) {
      const bytes = atob(embedded.textContent.trim());
      options.wasmBinary = Uint8Array.from(bytes, (c) => c.charCodeAt(0));
    } else if ("serviceWorker" in navigator) {
      // Without it the page still works, only not offline.
      navigator.serviceWorker.register("sw.js").catch(() => {});
    }
    createPonderival(options).then((module) => {
      search = module;
      box.removeAttribute("aria-busy");
      waiting.splice(0).forEach(run);
    }, () => page.end());
  }

  if (document.readyState === "loading") {
    document.addEventListener("DOMContentLoaded", start);
  } else {
    start();
  }
})();
