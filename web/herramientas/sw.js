// Service worker of the Velmo site: keeps every file of the site so that it loads and works offline. The
// cache's name changes with the site's content, so a new publication replaces the old copy.
const CACHE = 'velmo-__VERSION__';
const FICHEROS = __FICHEROS__;

self.addEventListener('install', (e) => {
  e.waitUntil(
    caches
      .open(CACHE)
      .then((c) => c.addAll(FICHEROS))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (e) => {
  e.waitUntil(
    caches
      .keys()
      .then((nombres) =>
        Promise.all(
          nombres.filter((n) => n.startsWith('velmo-') && n !== CACHE).map((n) => caches.delete(n)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (e) => {
  const peticion = e.request;
  if (peticion.method !== 'GET' || new URL(peticion.url).origin !== self.location.origin) return;
  // A page opened with a link (index.html?ejemplo=...) is the same page.
  const opciones = peticion.mode === 'navigate' ? { ignoreSearch: true } : {};
  e.respondWith(
    caches
      .open(CACHE)
      .then((c) => c.match(peticion, opciones).then((guardada) => guardada || fetch(peticion))),
  );
});
