// Evaluated by the benchmark in every document before the page's own scripts, with paintedBoxes
// set beside it: when every filled area of the window first stands at its place in its colour,
// and the WebAssembly memories the page makes.
(() => {
  "use strict";

  const probe = { paint: null, memories: new Set(), initialBytes: 0 };
  window.benchProbe = probe;

  const keep = (memory) => {
    if (memory instanceof WebAssembly.Memory && !probe.memories.has(memory)) {
      probe.memories.add(memory);
      probe.initialBytes += memory.buffer.byteLength;
    }
    return memory;
  };
  const Memory = WebAssembly.Memory;
  WebAssembly.Memory = function (descriptor) {
    return keep(new Memory(descriptor));
  };
  WebAssembly.Memory.prototype = Memory.prototype;
  for (const name of ["instantiate", "instantiateStreaming"]) {
    const original = WebAssembly[name];
    WebAssembly[name] = (...args) => original.apply(WebAssembly, args).then((result) => {
      Object.values((result.instance || result).exports).forEach(keep);
      return result;
    });
  }
  probe.wasmBytes = () => [...probe.memories].reduce((sum, m) => sum + m.buffer.byteLength, 0);

  const rgb = (css) => {
    const value = parseInt(css.slice(1), 16);
    return `rgb(${value >> 16}, ${(value >> 8) & 255}, ${value & 255})`;
  };
  const wanted = paintedBoxes.map((box) => ({ ...box, colour: rgb(box.colour) }));
  const near = (a, b) => b === null || Math.abs(a - b) <= 1;

  function inPlace() {
    const origin = document.getElementById(wanted[0].id)?.getBoundingClientRect();
    return origin !== undefined && wanted.every((box) => {
      const element = document.getElementById(box.id);
      const place = element?.getBoundingClientRect();
      return place !== undefined && getComputedStyle(element).backgroundColor === box.colour &&
        near(place.left - origin.left, box.left) && near(place.top - origin.top, box.top) &&
        near(place.width, box.width) && near(place.height, box.height);
    });
  }

  // The frame in which everything first stands in place is on screen when the next one begins,
  // unless the page's first paint comes later still.
  const watch = () => requestAnimationFrame(() => {
    if (inPlace()) {
      requestAnimationFrame((shown) => {
        probe.paint = shown;
      });
    } else {
      watch();
    }
  });
  watch();
})();
