// Keeps the page, its script and the engine on the phone, so that the calculator opens and
// calculates without a network. web-build stamps the version, so a new build replaces the copy.
const cacheName = 'mixdesign-@BUILD@';
const files = ['./', 'index.html', 'style.css', 'app.js', 'mixdesign.mjs', 'mixdesign.wasm',
  'manifest.webmanifest', 'app.svg', 'calculate.svg'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== cacheName).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(cacheName).then((cache) =>
    cache.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request))));
});
