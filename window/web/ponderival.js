// Ponderival in a browser: the page's side of the window. It loads the search (WebAssembly) and
// lends the window's model the page's elements, Timer1, its live region and the end. Every text,
// place, colour, font and id (this script's data attributes) comes from the build; none is here.
"use strict";

(() => {
  const facts = document.currentScript.dataset;
  const ids = JSON.parse(facts.ids);
  const focusSteps = { Tab: 1, ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 };

  const byId = (id) => document.getElementById(id);

  // Timer1 keeps to its own grid of ticks, so that late ticks do not add up to a slower search;
  // ticks missed while the tab was hidden or the page busy are dropped, not made up for. The model
  // starts it only when it is stopped: one timeout is pending at most.
  function makeTimer(tick) {
    let on = false, handle = 0, due = 0, interval = 0;
    const schedule = () => { handle = setTimeout(fire, Math.max(0, due - performance.now())); };
    const fire = () => {
      const now = performance.now();
      due = due + interval <= now ? now + interval : due + interval;
      tick();
      if (on) {
        schedule();
      }
    };
    return {
      startTicks: (every) => {
        [on, interval] = [true, Number(every)];
        due = performance.now() + interval;
        schedule();
      },
      stopTicks: () => { on = false; clearTimeout(handle); },
    };
  }

  // What the window's model asks of the page (frmponderival.cpp).
  function makePage() {
    const liveRegion = byId(ids.liveRegion);
    // A field's text is written a hundred times a second: its text node, which the build writes as
    // one (or none for an empty text), is looked up once.
    const texts = new Map();
    const shown = (name) => {
      if (!texts.has(name)) {
        const element = byId(name).querySelector("[aria-hidden]") || byId(name);
        texts.set(name, element.firstChild || element.appendChild(new Text()));
      }
      return texts.get(name);
    };
    return {
      showText: (name, text) => { shown(name).data = text; },
      setCaption: (name, caption) => { byId(name).textContent = caption; },
      setFace: (name, face, ring) => (byId(name).style.cssText = `--face:${face};--focus:${ring}`),
      ...makeTimer(() => search._ponderivalTick()),
      say: (...messages) => {
        for (const message of messages.filter(Boolean)) {
          liveRegion.append(Object.assign(document.createElement("p"), { textContent: message }));
        }
        // Consecutive messages go to notices of their own, so that none replaces one not yet read.
        while (liveRegion.childElementCount > Number(facts.statusSlots)) {
          liveRegion.firstElementChild.remove();
        }
      },
      nameField: (name, spoken) => { byId(name).querySelector(".sr").textContent = spoken; },
      reportError: (text) => {
        byId(ids.reportText).textContent = text;
        byId(ids.report).showModal();
      },
      end,
    };
  }

  // What the page is left with in the window's place: the end line, or why the search could not
  // start, which stays on screen, as reloading may help.
  function leave(id) {
    document.querySelector("main").hidden = true;
    byId(id).hidden = false;
    byId(id).querySelector("a").focus();
  }

  // The window goes (the model has stopped Timer1) once any report is acknowledged. Where the
  // browser lets the page close its tab or window it closes; else a line and a link are left.
  function end() {
    if (byId(ids.report).open) {
      byId(ids.report).addEventListener("close", end, { once: true });
      return;
    }
    leave(ids.endedLine);
    window.close();
  }

  // The window's buttons in its tab order, while the window is there to take the keys.
  const buttons = () => {
    const box = document.querySelector("main");
    return !box || box.hidden || byId(ids.report)?.open ? [] : [...box.querySelectorAll(
      "button:not([hidden])")].sort((a, b) => a.dataset.control - b.dataset.control);
  };

  // Tab and Right or Down go to the next button of the window's tab order, Shift+Tab and Left or
  // Up to the one before, round the window's buttons as in a window of its own.
  function moveFocus(event) {
    const step = focusSteps[event.key] * (event.key === "Tab" && event.shiftKey ? -1 : 1);
    const round = buttons();
    if (!step || event.altKey || event.ctrlKey || event.metaKey || !round.length) {
      return;
    }
    const at = round.indexOf(document.activeElement);
    round[at < 0 ? 0 : (at + step + round.length) % round.length].focus();
    event.preventDefault();
  }

  // The page takes clicks and keys from the moment the window shows, before the search has loaded:
  // a click on a control waits for it, then goes to the window's model, which knows what it runs.
  let search = null;
  const waiting = [];
  const run = (event) => (search ? event(search) : waiting.push(event));
  document.addEventListener("click", (event) => {
    const button = event.target.closest("main button");
    if (button) {
      // Safari and Firefox on macOS leave the focus where it was, and the next Space would
      // press the other button: a clicked button takes the focus, as in a window of its own.
      button.focus();
      run((module) => module._ponderivalClick(Number(button.dataset.control)));
    }
  });
  document.addEventListener("keydown", moveFocus);
  // A page that opened without the focus (behind another window, say) got no autofocus: like a
  // window of its own once activated, it gives the focus to its first button.
  window.addEventListener("focus", () => document.activeElement === document.body &&
    buttons()[0]?.focus());
  // A press beside the buttons, on the window or around it, leaves the focus where it was and
  // selects nothing, as in a window of its own.
  document.addEventListener("mousedown", (event) => {
    if (!event.target.closest("button, a")) {
      event.preventDefault();
    }
  });

  // The served page runs its search once the window has been painted, so that the first frame
  // waits for nothing (a hidden tab paints no frame, and starts it at once); the single-file page
  // carries its search inline.
  const searchLoaded = () => new Promise((loaded, failed) => {
    const load = () => (facts.module ? document.head.append(Object.assign(
      document.createElement("script"), { src: facts.module, onload: loaded, onerror: failed }))
      : loaded());
    return document.hidden ? load() : requestAnimationFrame(() => setTimeout(load));
  });

  // The single-file page carries its WebAssembly; the served page fetches its own file and
  // keeps itself for use with no network.
  function start() {
    const box = document.querySelector("main");
    const options = { page: makePage() };
    byId(ids.acknowledgeButton).addEventListener("click", () => byId(ids.report).close());
    const embedded = byId(ids.embeddedWasm);
    if (embedded) {
      options.wasmBinary = Uint8Array.from(atob(embedded.text.trim()), (c) => c.charCodeAt(0));
    } else if ("serviceWorker" in navigator) {
      // Without it the page still works, only not offline.
      navigator.serviceWorker.register("sw.js").catch(() => {});
    }
    searchLoaded().then(() => createPonderival(options)).then((module) => {
      search = module;
      box.removeAttribute("aria-busy");
      waiting.splice(0).forEach(run);
    }, () => leave(ids.loadFailed));
  }

  // The script runs in the page's head, before the window shows; the rest waits for the window.
  document.addEventListener("DOMContentLoaded", start);
})();
