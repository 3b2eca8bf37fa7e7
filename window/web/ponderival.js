// Ponderival in a browser: the page's side of the window. It loads the search, compiled to
// WebAssembly, and lends it the window's elements, Timer1 and the end of the program. Texts,
// places, colours and fonts all come from the page that the build wrote from the window's
// description; none is written here. The ids of the page's own elements are those of
// window/form/pagetexts.h; the controls' ids are their names.
"use strict";

(() => {
  // While the search runs the fields change a hundred times a second. A screen reader hears of
  // their values at most this often, and at once when the run starts or stops.
  const namePacing = 250;
  // Consecutive messages go to notices of their own, so that none replaces one not yet read.
  const noticeCount = 3;

  const byId = (id) => document.getElementById(id);

  // Timer1 keeps to its own grid of ticks, so that late ticks do not add up to a slower search;
  // ticks missed while the tab was hidden or the page busy are dropped, not made up for.
  class Timer {
    constructor(tick) {
      Object.assign(this, { tick, on: false, handle: 0, due: 0, interval: 0 });
    }

    set(on, interval) {
      if (on === this.on) {
        return;
      }
      this.on = on;
      clearTimeout(this.handle);
      if (on) {
        this.interval = interval;
        this.due = performance.now() + interval;
        this.schedule();
      }
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

  // Tells a screen reader what a sighted user sees change, as the Qt window's announcer does:
  // the fields' names (heading and value) at a pace it can follow, and each change of the run
  // through the live region.
  class Announcer {
    constructor(box, stop, timer) {
      this.fields = [...box.querySelectorAll("[data-heading]")].map((element) => ({
        shown: element.querySelector("[aria-hidden]"),
        spoken: element.querySelector(".sr"),
        heading: element.dataset.heading,
      }));
      Object.assign(this, { stop, timer, liveRegion: byId("annunci"), running: false, pacer: 0 });
    }

    eventHandled() {
      if (this.timer.on !== this.running) {
        this.running = this.timer.on;
        this.nameFields();
        this.runChanged();
      } else if (!this.pacer) {
        this.pacer = setTimeout(() => this.nameFields(), namePacing);
      }
    }

    nameFields() {
      clearTimeout(this.pacer);
      this.pacer = 0;
      for (const field of this.fields) {
        const text = field.shown.textContent;
        const name = text ? `${field.heading} ${text}` : field.heading;
        if (field.spoken.textContent !== name) {
          field.spoken.textContent = name;
        }
      }
    }

    // "Stop!" when a run starts; when it halts, "Avanti!", after the answer if there is one.
    runChanged() {
      const caption = this.stop.textContent;
      if (this.running) {
        this.announce(caption);
        return;
      }
      // Said by the live region alone: a description given to the focused button is spoken too,
      // and the answer would be heard twice.
      const shown = this.fields.filter((field) => field.shown.textContent);
      const answer = shown.map((field) => field.spoken.textContent).join(", ");
      const street = this.fields[this.fields.length - 1];
      this.announce(...(street.shown.textContent ? [answer, caption] : [caption]));
    }

    announce(...messages) {
      for (const message of messages) {
        const notice = document.createElement("p");
        notice.textContent = message;
        this.liveRegion.append(notice);
      }
      while (this.liveRegion.childElementCount > noticeCount) {
        this.liveRegion.firstElementChild.remove();
      }
    }
  }

  // What the search asks of the page (window/web/pagebridge.h).
  function makePage(box, timer, announcer) {
    const report = byId("erroreRunTime");
    // A field's text is written a hundred times a second: its element is looked up once.
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
    const page = {
      showText: (name, text) => { shown(name).data = text; },
      setCaption: (name, caption) => { byId(name).textContent = caption; },
      setFace: (name, face, focus) => {
        byId(name).style.setProperty("--face", face);
        byId(name).style.setProperty("--focus", focus);
      },
      setTimer: (on, interval) => timer.set(on, interval),
      eventHandled: () => announcer.eventHandled(),
      reportError: (text) => {
        byId("erroreRunTimeTesto").textContent = text;
        report.showModal();
      },
      end: () => end(box, timer, announcer, report),
    };
    return page;
  }

  // The window goes once the user has acknowledged a report. Where the browser lets the page
  // close its tab or window it closes; otherwise one line and a way to start again are left.
  function end(box, timer, announcer, report) {
    if (report.open) {
      report.addEventListener("close", () => end(box, timer, announcer, report), { once: true });
      return;
    }
    timer.set(false);
    clearTimeout(announcer.pacer);
    box.hidden = true;
    const endedLine = byId("terminato");
    endedLine.hidden = false;
    endedLine.querySelector("a").focus();
    window.close();
  }

  // Tab and Shift+Tab go round the window's buttons, as in a window of its own.
  function moveFocus(box, event) {
    if (event.key !== "Tab" || event.altKey || event.ctrlKey || event.metaKey || box.hidden ||
        byId("erroreRunTime").open) {
      return;
    }
    const buttons = [...box.querySelectorAll("button:not([hidden])")];
    const at = buttons.indexOf(document.activeElement);
    const step = event.shiftKey ? buttons.length - 1 : 1;
    buttons[at < 0 ? 0 : (at + step) % buttons.length].focus();
    event.preventDefault();
  }

  // A click on a control runs its procedure, named after it: cmdStop_Click for cmdStop. The
  // window takes clicks and keys from the moment it shows; a click that comes while the search
  // is still loading runs once it has loaded.
  function wire(box, run) {
    for (const button of box.querySelectorAll("button")) {
      button.addEventListener("click", () => run(`_${button.id}_Click`));
    }
    byId("erroreRunTimeOk").addEventListener("click", () => byId("erroreRunTime").close());
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
    const run = (procedure) => (search ? search[procedure]() : waiting.push(procedure));
    wire(box, run);
    const timer = new Timer(() => search._Timer1_Timer());
    const announcer = new Announcer(box, byId("cmdStop"), timer);
    const page = makePage(box, timer, announcer);
    const options = { page };
    const embedded = byId("moduloIncorporato");
    if (embedded) {
      const bytes = atob(embedded.textContent.trim());
      options.wasmBinary = Uint8Array.from(bytes, (c) => c.charCodeAt(0));
    } else if ("serviceWorker" in navigator) {
      // Without it the page still works, only not offline.
      navigator.serviceWorker.register("sw.js").catch(() => {});
    }
    createPonderival(options).then((module) => {
      search = module;
      announcer.nameFields();
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
