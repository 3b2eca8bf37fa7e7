// The plain page the benchmark compares the page's running search with: the same window, no
// WebAssembly, and a script that writes two texts into it every 10 ms.
"use strict";

window.ticks = 0;
const write = (id, text) => {
  const element = document.getElementById(id);
  (element.firstElementChild || element).textContent = text;
};
setInterval(() => {
  window.ticks += 1;
  write("lblCivico", String(window.ticks));
  write("lblTot", String((window.ticks * (window.ticks + 1)) / 2));
}, 10);
