// Builds the site's worker, OUT/sw.js: worker.js with Workbox, bundled and
// minified by esbuild from the checkout's node_modules, with the precache
// manifest of the files named: each by its address in the site, with the
// SHA-256 of its bytes as shipped for revision and integrity. Workbox's
// licence goes first, as minifying drops the notices of its sources.
//   node make_worker.mjs OUT FILE...
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const [out, ...files] = process.argv.slice(2);
const require = createRequire(import.meta.url);
const missing = ['esbuild', 'workbox-core', 'workbox-precaching', 'workbox-routing', 'workbox-strategies']
  .filter((name) => { try { return !require.resolve(`${name}/package.json`); } catch { return true; } });
if (missing.length) {
  console.error(`make_worker.mjs: ${missing.join(', ')} missing from node_modules: run tools/install-deps`);
  process.exit(1);
}
const manifest = files.map((url) => {
  const hash = createHash('sha256').update(readFileSync(join(out, url))).digest();
  return { url, revision: hash.toString('hex'), integrity: `sha256-${hash.toString('base64')}` };
});
const workbox = dirname(require.resolve('workbox-core/package.json'));
const { version } = require('workbox-core/package.json');
await require('esbuild').build({
  entryPoints: [fileURLToPath(new URL('worker.js', import.meta.url))],
  outfile: join(out, 'sw.js'),
  bundle: true,
  minify: true,
  legalComments: 'none',
  banner: { js: `/* Workbox ${version}\n\n${readFileSync(join(workbox, 'LICENSE'), 'utf8')}*/` },
  define: { 'process.env.NODE_ENV': '"production"', 'self.__WB_MANIFEST': JSON.stringify(manifest) },
  logLevel: 'error',
});
