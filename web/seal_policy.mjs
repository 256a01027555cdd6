// Lets the page's own inline script run, and no other: the policy's
// script-src names it by its SHA-256, hashed as browsers hash it, the text
// between <script> and </script> with its line ends made LF. A page whose
// script is not exactly one plain <script> element is refused.
//   node seal_policy.mjs seal PAGE      writes the hash where the policy says 'sha256-@SCRIPT@'
//   node seal_policy.mjs check PAGE...  fails unless each page's policy names its script
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [mode, ...pages] = process.argv.slice(2);
const PLACE = "'sha256-@SCRIPT@'";
for (const path of pages) {
  const page = readFileSync(path, 'utf8');
  const fail = (why) => {
    console.error(`${path}: ${why}`);
    process.exit(1);
  };
  const opened = page.match(/<script\b[^>]*>/gi) ?? [];
  if (opened.length !== 1 || opened[0] !== '<script>' || page.split('</script>').length !== 2) {
    fail('must hold exactly one script, inline, in a plain <script> element');
  }
  const script = page.slice(page.indexOf('<script>') + '<script>'.length, page.indexOf('</script>'));
  const hash = `'sha256-${createHash('sha256').update(script.replace(/\r\n?/g, '\n')).digest('base64')}'`;
  if (mode === 'seal') {
    if (page.split(PLACE).length !== 2) fail(`must have one ${PLACE} in its policy`);
    writeFileSync(path, page.replace(PLACE, hash));
  } else if (!page.includes(`script-src ${hash} `)) {
    fail("its policy does not let in its own script: the script changed after it was sealed");
  }
}
