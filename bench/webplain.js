// The plain page the benchmark compares the page's running search with: the same window, no
// WebAssembly, and a script that writes the same four texts into it every 10 ms as the search
// does (the house before the candidate and the sum after it unseen, the sum and candidate seen),
// from the house where the timed stretch of the search starts, so that the numbers are as long.
"use strict";

const firstN = Number(document.currentScript.dataset.firstN);
window.ticks = 0;
const write = (id, text) => {
  const element = document.getElementById(id);
  (element.firstElementChild || element).textContent = text;
};
setInterval(() => {
  const n = firstN + (window.ticks += 1);
  write("lblN", String(n));
  write("lblTot", String((n * (n + 1)) / 2));
  write("lblCivico", String(n + 1));
  write("lblTot2", String(n + 2));
}, 10);
