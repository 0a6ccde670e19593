// Keeps the page working offline: every file of the page's own origin is answered from the
// cache when it is there (fetched and kept when it is not); a new build has a new cache name,
// and the old caches go when it takes over.
const cacheName = 'kalodaya-__BUILD__';

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches.open(cacheName)
      .then((cache) => cache.addAll(['./', './index.html', './kalodaya.js', './kalodaya.wasm']))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n !== cacheName).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // The page itself is looked up without its query (a link's entries).
  const key = request.mode === 'navigate' ? new URL('./', self.location.href).href : request;
  event.respondWith((async () => {
    const cache = await caches.open(cacheName);
    const kept = await cache.match(key);
    if (kept) return kept;
    const response = await fetch(request);
    // Kept while the page reads its own copy: waiting for the cache first would hold the page.
    if (response.ok) event.waitUntil(cache.put(key, response.clone()));
    return response;
  })());
});
