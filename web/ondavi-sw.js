// Keeps the hosted page usable offline, under whatever name it is hosted ("ondavi.html",
// "index.html", or the folder's own address). The page registers the worker with its name in
// the query string, empty when it was loaded from the folder's address: only then is that address
// the page. Beside "ondavi.html" the folder's address is another page (the folder's own index),
// never to be kept or answered as the calculator. Its own files are cached when the worker
// installs, and a request for one goes to the network first (so that a new version shows); a good
// answer replaces the cached copy, while an error answer, no answer at all, or none within three
// seconds gets the cached copy. The query string does not count, and requests for anything else
// pass by untouched.
"use strict";
const CACHE = "ondavi";
const NETWORK_WAIT_MS = 3000;
const PAGE = new URL(new URLSearchParams(self.location.search).get("page") || "./", self.location)
  .href;
const FILES = [PAGE, ...["ondavi.webmanifest", "ondavi-128.png", "ondavi-256.png"].map(
  (file) => new URL(file, self.location).href,
)];

// The cached file a request is for, without its query string and fragment, if it is one.
function ownFile(request) {
  const url = new URL(request.url);
  url.search = "";
  url.hash = "";
  return request.method === "GET" && FILES.includes(url.href) ? url.href : null;
}

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(FILES))
      .then(() => self.skipWaiting()),
  );
});
self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));
self.addEventListener("fetch", (event) => {
  const file = ownFile(event.request);
  if (!file) return;
  // The network's answer, kept when it is good; it may arrive after the cached copy was used.
  const network = fetch(event.request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      event.waitUntil(caches.open(CACHE).then((cache) => cache.put(file, copy)));
    }
    return response;
  });
  event.waitUntil(network.catch(() => {}));
  event.respondWith(
    (async () => {
      let timer;
      const late = new Promise((resolve) => (timer = setTimeout(resolve, NETWORK_WAIT_MS)));
      const first = await Promise.race([network.catch(() => null), late]);
      clearTimeout(timer);
      if (first && first.ok) return first;
      const cached = await caches.match(file);
      if (cached) return cached;
      return first || network;  // nothing cached: the network's answer or error, however late
    })(),
  );
});
