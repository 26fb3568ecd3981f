// Keeps the hosted page usable offline. Its own files are cached when the worker installs, and a
// request for one goes to the network first (so that a new version shows); a good answer
// replaces the cached copy, while an error answer or no answer at all gets the cached copy. The
// query string does not count, and requests for anything else pass by untouched.
"use strict";
const CACHE = "ondavi";
const FILES = ["ondavi.html", "ondavi.webmanifest", "ondavi-128.png", "ondavi-256.png"];
const OWN = new Set(FILES.map((file) => new URL(file, self.location).href));

// The request's address without its query string and fragment, if it is one of the files.
function ownFile(request) {
  const url = new URL(request.url);
  url.search = "";
  url.hash = "";
  return request.method === "GET" && OWN.has(url.href) ? url.href : null;
}

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));
self.addEventListener("fetch", (event) => {
  const file = ownFile(event.request);
  if (!file) return;
  event.respondWith(
    (async () => {
      let response;
      try {
        response = await fetch(event.request);
      } catch (error) {
        const cached = await caches.match(file);
        if (cached) return cached;
        throw error;
      }
      if (response.ok) {
        const copy = response.clone();
        event.waitUntil(caches.open(CACHE).then((cache) => cache.put(file, copy)));
        return response;
      }
      return (await caches.match(file)) || response;
    })(),
  );
});
