// The web edition's figures in headless Chromium, each as a ratio to a
// baseline measured in the same run (tools/benchmark web [RUNS]):
//   - from navigation until the lists are filled, against the same page with
//     the lists written into its HTML and no engine at all;
//   - Auto Generate and a narrowing pick, against a plain update of the output
//     line, each with the layout it causes;
//   - the file's size.
import { statSync, writeFileSync, readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const pageFile = process.argv[2];
const runs = Number(process.argv[3] || 15);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await chromium.launch({
  executablePath: process.env.QUILL_CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run'],
});
const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
// When the object list, the last one filled, holds its words, in ms since navigation.
await page.addInitScript(() => {
  const check = () => {
    const list = document.getElementById('object');
    if (!window.listsFilled && list && list.options.length > 1) window.listsFilled = performance.now();
  };
  new MutationObserver(check).observe(document, { childList: true, subtree: true });
});
async function filledAfter(url) {
  await page.goto('about:blank');
  await page.goto(url);
  await page.waitForFunction(() => window.listsFilled);
  return page.evaluate(() => window.listsFilled);
}

// The baseline: this page's HTML with the lists as the engine fills them, and no script.
await filledAfter(pathToFileURL(pageFile).href);
const lists = await page.evaluate(() => Object.fromEntries(['concept', 'action', 'object'].map(
  (id) => [id, document.getElementById(id).innerHTML])));
let baseline = readFileSync(pageFile, 'utf8').replace(/<script>[\s\S]*<\/script>/, '');
for (const [id, options] of Object.entries(lists)) {
  baseline = baseline.replace(`<select id="${id}" class="word-list"></select>`,
    `<select id="${id}" class="word-list">${options}</select>`);
}
const baselineFile = pageFile.replace(/\.html$/, '-baseline.html');
writeFileSync(baselineFile, baseline);

const load = { page: [], baseline: [] };
for (let run = 0; run < runs; ++run) {
  load.page.push(await filledAfter(pathToFileURL(pageFile).href));
  load.baseline.push(await filledAfter(pathToFileURL(baselineFile).href));
}

// Commands on the loaded page, each with the layout it causes, timed ten at a
// time: one alone is near the clock's resolution.
await filledAfter(pathToFileURL(pageFile).href);
const commands = await page.evaluate((count) => {
  const $ = (selector) => document.querySelector(selector);
  const timed = (command) => {
    const times = [];
    for (let sample = 0; sample < count; ++sample) {
      const start = performance.now();
      for (let i = 0; i < 10; ++i) {
        command(sample * 10 + i);
        void document.body.offsetHeight;
      }
      times.push((performance.now() - start) / 10);
    }
    return times.sort((a, b) => a - b)[Math.floor(count / 2)];
  };
  const pick = (list, position) => {
    list.selectedIndex = position;
    list.dispatchEvent(new Event('change'));
  };
  return {
    plain: timed((i) => { $('.output').textContent = `A plain sentence, number ${i}.`; }),
    autoGenerate: timed(() => $('[data-command="auto-generate"]').click()),
    // A word picked in full lists narrows them, and the blank picked after it
    // brings them back: two picks that each refill the lists.
    narrowingPick: timed((i) => pick($('#concept'), i % 2 ? 0 : 1 + (i % 60))),
  };
}, runs * 2);
await browser.close();

const ms = (value) => `${value.toFixed(3)} ms`;
const row = (figure, value, base, baseName) =>
  console.log(`${figure.padEnd(34)} ${value.padStart(11)}   ${base.padStart(11)} (${baseName})   ratio ${(
    parseFloat(value) / parseFloat(base)).toFixed(2)}`);
console.log(`Web edition in Chromium, medians of ${runs} loads and of ${runs * 2} times ten commands`);
row('lists filled after navigation', ms(median(load.page)), ms(median(load.baseline)), 'lists in the HTML, no engine');
row('Auto Generate', ms(commands.autoGenerate), ms(commands.plain), 'plain update of the output line');
row('narrowing pick (or its undoing)', ms(commands.narrowingPick), ms(commands.plain), 'plain update of the output line');
const size = statSync(pageFile).size / 1024;
row('file size', `${size.toFixed(1)} KiB`, '150.0 KiB', 'the limit');
