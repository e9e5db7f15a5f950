// Keeps the page and the engine in the browser's cache, so that after one visit the page opens
// without a network. Each build has a cache of its own (scripts/build-web.sh writes its version
// below); a new build replaces the old cache once it is complete.
const kVersion = '__BUILD_VERSION__';
const kCache = `quorlan-${kVersion}`;
const kFiles = [
  './', 'index.html', 'style.css', 'manifest.webmanifest', 'icon.svg', 'icon-256.png',
  'app.js', 'engine.js', 'state.js', 'texts.js', 'dom.js', 'classes.js',
  'fit-view.js', 'find-view.js', 'service-view.js', 'table-view.js', 'general-view.js', 'bearing-view.js',
  'thread-view.js', 'chain-view.js', 'chain-worker.js',
  'quorlan.js', 'quorlan.wasm',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache)
    .then((cache) => cache.addAll(kFiles.map((file) => new Request(file, {cache: 'reload'}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('quorlan-') && name !== kCache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The cache first: every file of a build is there once it is installed. Anything else goes to the
// network as it would without this worker.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(request, {ignoreSearch: true}))
    .then((cached) => cached || fetch(request)));
});
