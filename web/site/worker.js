// The site's worker, on Workbox. Each file of the site is precached as built
// (the build writes self.__WB_MANIFEST: each file's address, revision and
// integrity) in Workbox's precache of this worker's scope, and served from
// there, network or none; a newer build waits, offered by the page, and takes
// over when the page asks. What Workbox does not know is ours: the page's
// addresses, other addresses in the folder, our earlier caches, and one plugin.
import { PrecacheController, PrecacheRoute } from 'workbox-precaching';
import { registerRoute } from 'workbox-routing';
import { NetworkOnly } from 'workbox-strategies';

const scope = new URL(self.registration.scope);
const page = new URL('index.html', scope);
// The page's addresses: the folder and index.html, each with any query.
const isPage = (url) => url.origin === scope.origin && [scope.pathname, page.pathname].includes(url.pathname);

// A file missing from the precache in a visit (storage cleared in part or in
// whole) has every file missing kept again, each by its own address (some
// hosts refuse a bare folder) and only as built, one such pass at a time.
// Where the file a visit asks for cannot be kept (a newer build on the host,
// storage full), the visit alone is answered from the network, unkept, a
// redirect the host made hidden (a navigation refuses a redirected answer);
// not the pass, which would fetch each file again to throw it away, nor an
// install, where a file other than as built must fail it.
let keeping = null;
const keepAll = (event) => Promise.allSettled([...precache.getURLsToCacheKeys()].map(([url, cacheKey]) => precache.strategy
  .handle({ event, request: url, params: { cacheKey, integrity: precache.getIntegrityForCacheKey(cacheKey) } })));
const precache = new PrecacheController({ plugins: [{
  requestWillFetch: ({ event, request }) => {
    if (event.type === 'fetch' && !keeping) event.waitUntil(keeping = keepAll(event).finally(() => { keeping = null; }));
    return request;
  },
  handlerDidError: ({ event, request }) => (request === event.request ? fetch(isPage(new URL(request.url)) ? page : request)
    .then((response) => (response.redirected ? new Response(response.body, response) : response)) : undefined),
}] });
precache.precache(self.__WB_MANIFEST);
registerRoute(new PrecacheRoute(precache, { cleanURLs: false, urlManipulation: ({ url }) => (isPage(url) ? [page] : []) }));

// Any other address in the folder is the host's to answer; offline, it opens
// the page at the folder's address, fresh. Outside the folder, nothing is ours.
registerRoute(({ request, url }) => request.mode === 'navigate' && url.href.startsWith(scope.href),
  new NetworkOnly({ plugins: [{ handlerDidError: () => Response.redirect(scope.href, 303) }] }));

// Our own earlier caches: "quillmere SCOPE VERSION" of this scope, and the
// format before it, "quillmere-VERSION", whatever its folder: of this folder
// when it holds files of this folder alone, none of a folder inside it.
async function ourEarlier(name) {
  const [, at] = name.match(/^quillmere (\S+) [0-9a-f]{16}$/) ?? [];
  if (at) return at === scope.href;
  if (!/^quillmere-[0-9a-f]{16}$/.test(name)) return false;
  const held = await (await caches.open(name)).keys();
  return held.length > 0 && held.every(({ url }) => url.startsWith(scope.href) && !url.slice(scope.href.length).includes('/'));
}
self.addEventListener('activate', (event) => event.waitUntil(caches.keys().then((names) =>
  Promise.all(names.map(async (name) => (await ourEarlier(name)) && caches.delete(name))))));

self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});
