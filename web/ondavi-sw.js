// Keeps the hosted page usable offline: its files are cached when the worker installs, and each
// request goes to the network first (so that a new version shows) and to the cache when the
// network does not answer.
"use strict";
const CACHE = "ondavi";
const FILES = ["ondavi.html", "ondavi.webmanifest", "ondavi-128.png", "ondavi-256.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    fetch(event.request)
      .then((response) => {
        const copy = response.clone();
        caches.open(CACHE).then((cache) => cache.put(event.request, copy));
        return response;
      })
      .catch(() => caches.match(event.request, { ignoreSearch: true })),
  );
});
