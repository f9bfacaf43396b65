// Keeps the page, its scripts, the engine, the report's face and the card's pictures on the
// phone, so that the calculator opens, calculates and prints without a network. web-build
// stamps the version, so a new build replaces the copy.
const cacheName = 'mixdesign-@BUILD@';
const files = ['./', 'style.css', 'app.js', 'engine.js', 'link.js', 'mixer.js', 'pour.js', 'results.js', 'durability.js', 'sheets.js', 'mixdesign.mjs',
  'mixdesign.wasm', 'vendor/uqr.mjs', 'manifest.webmanifest', 'calculate.svg', 'print.svg', 'fonts/umpush.woff2',
  'fonts/umpush-bold.woff2', 'card/stone.svg', 'card/sand.svg', 'card/cement.svg', 'card/water.svg',
  'card/admixture.svg', 'icon-192.png', 'icon-512.png', 'icon-maskable-512.png', 'apple-touch-icon.png'];

// The first install takes what the visit has just downloaded from the browser's own cache, so
// no file crosses the network twice; an update asks the server again for every file. The
// browser fetches the favicon at a time of its own choosing, so it is not kept: a race with it
// would fetch it twice, and a page without it works the same.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.keys().then(async (old) => {
    const cache = await caches.open(cacheName);
    const mode = old.length ? 'no-cache' : 'force-cache';
    await Promise.all(files.map(async (file) => {
      const response = await fetch(new Request(file, { cache: mode }));
      if (!response.ok)
        throw new Error(`${file}: ${response.status}`);
      await cache.put(file, response);
    }));
    await self.skipWaiting();
  }));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== cacheName).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The page by its own name is the page.
const kept = (request) => (new URL(request.url).pathname.endsWith('/index.html') ? './' : request);

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(cacheName).then((cache) =>
    cache.match(kept(event.request), { ignoreSearch: true }).then((hit) => hit || fetch(event.request))));
});
