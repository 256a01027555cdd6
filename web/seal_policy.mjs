// Lets the page's own inline script and style in, and nothing else inline:
// the policy's script-src and style-src name them by their SHA-256, hashed as
// browsers hash them, the text between the tags with its line ends made LF.
// A page whose script or style is not exactly one plain element, or whose
// element holds what would end one early, is refused.
//   node seal_policy.mjs seal PAGE      writes the hashes where the policy says 'sha256-@SCRIPT@' and 'sha256-@STYLE@'
//   node seal_policy.mjs check PAGE...  fails unless each page's policy lets in exactly its script and style
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [mode, ...pages] = process.argv.slice(2);
if (!['seal', 'check'].includes(mode) || !pages.length || (mode === 'seal' && pages.length > 1)) {
  console.error('usage: node seal_policy.mjs seal PAGE | check PAGE...');
  process.exit(2);
}

// The element's text as the browser takes it, or why the page is refused.
function inline(page, tag) {
  const opened = page.match(new RegExp(`<${tag}\\b[^>]*>`, 'gi')) ?? [];
  const closed = page.match(new RegExp(`</${tag}`, 'gi')) ?? [];
  if (opened.length !== 1 || opened[0] !== `<${tag}>` || closed.length !== 1) {
    throw new Error(`must hold exactly one ${tag}, inline, in a plain <${tag}> element`);
  }
  const text = page.slice(page.indexOf(opened[0]) + opened[0].length, page.search(new RegExp(`</${tag}`, 'i')));
  if (/<\/(script|style)/i.test(text)) throw new Error(`its ${tag} holds what would end an element`);
  return `'sha256-${createHash('sha256').update(text.replace(/\r\n?/g, '\n')).digest('base64')}'`;
}

// The directives of the page's one policy, each the first of its name, as browsers read them.
function policy(page) {
  const metas = (page.match(/<meta\b[^>]*>/gi) ?? []).filter((meta) => /http-equiv="content-security-policy"/i.test(meta));
  if (metas.length !== 1) throw new Error('must have exactly one policy in a <meta> element');
  const directives = new Map();
  for (const directive of metas[0].match(/\bcontent="([^"]*)"/i)?.[1].split(';') ?? []) {
    const [name, ...sources] = directive.trim().split(/\s+/);
    if (name && !directives.has(name.toLowerCase())) directives.set(name.toLowerCase(), sources.sort().join(' '));
  }
  return directives;
}

function check(page) {
  const needs = { 'script-src': [inline(page, 'script'), "'wasm-unsafe-eval'"], 'style-src': [inline(page, 'style')] };
  const directives = policy(page);
  for (const [name, sources] of Object.entries(needs)) {
    if (directives.get(name) !== [...sources].sort().join(' ')) {
      throw new Error(`its ${name} must be ${sources.join(' ')}: the page changed after it was sealed`);
    }
  }
  const overriding = [...directives.keys()].filter((name) => /^(script|style)-src-/.test(name));
  if (overriding.length) throw new Error(`its policy widens what it lets in with ${overriding.join(', ')}`);
}

for (const path of pages) {
  try {
    let page = readFileSync(path, 'utf8');
    if (mode === 'seal') {
      for (const [tag, place] of [['script', "'sha256-@SCRIPT@'"], ['style', "'sha256-@STYLE@'"]]) {
        if (page.split(place).length !== 2) throw new Error(`must have one ${place} in its policy`);
        page = page.replace(place, inline(page, tag));
      }
    }
    check(page);
    if (mode === 'seal') writeFileSync(path, page);
  } catch (refused) {
    console.error(`${path}: ${refused.message}`);
    process.exit(1);
  }
}
