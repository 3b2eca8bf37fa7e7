// Keeps Ponderival's page for use with no network: its own files, nothing else, in one cache
// named after their contents. The build fills in the list and the name (site.py), so that a new
// build is a new worker that replaces the old files at once.
"use strict";

const cacheName = "ponderival-@VERSION@";
const files = [@FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName)
    .then((cache) => cache.addAll(files))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith("ponderival-") && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page's files come from the cache; the page asks for nothing else.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") {
    return;
  }
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
