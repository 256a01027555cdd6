// The web edition's figures in headless Chromium, each as a ratio to a
// baseline measured in the same run (tools/benchmark web [RUNS]):
//   - from navigation until the lists are filled, against the same page with
//     the lists written into its HTML and no engine at all;
//   - Auto Generate and a narrowing pick, against a plain update of the output
//     line, each with the layout it causes;
//   - the file's size;
//   - Lighthouse's four scores and the total blocking time, the site served
//     from 127.0.0.1 and seen as a phone on a slow network sees it.
import { readFileSync, statSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import lighthouse from 'lighthouse';
import puppeteer from 'puppeteer-core';
import { chromiumArgs, serve } from '../tests/web/browsers.mjs';

const [pageFile, siteFolder] = process.argv.slice(2, 4);
const runs = Number(process.argv[4] || 15);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await puppeteer.launch({ executablePath: process.env.QUILL_CHROMIUM || '/usr/bin/chromium', args: chromiumArgs });
const page = await browser.newPage();
await page.setViewport({ width: 1280, height: 800 });
// When the object list, the last one filled, holds its words, in ms since navigation.
await page.evaluateOnNewDocument(() => {
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
  baseline = baseline.replace(new RegExp(`(<select id="${id}"[^>]*>)</select>`), `$1${options}</select>`);
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
  const $ = (name) => document.querySelector(`[data-control="${name}"]`);
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
    plain: timed((i) => { $('output').textContent = `A plain sentence, number ${i}.`; }),
    autoGenerate: timed(() => $('auto-generate').click()),
    // A word picked in full lists narrows them, and the blank picked after it
    // brings them back: two picks that each refill the lists.
    narrowingPick: timed((i) => pick(document.querySelector('[data-list="concept"]'), i % 2 ? 0 : 1 + (i % 60))),
  };
}, runs * 2);

// Lighthouse on the site as published. Lighthouse reads robots.txt from
// inside the page, under the page's own policy, which lets the page fetch
// nothing: its tab is let past the policy, which the page keeps as shipped.
const server = serve((url) => join(siteFolder, url.pathname === '/' ? 'index.html' : url.pathname));
const audited = await browser.newPage();
await audited.setBypassCSP(true);
const { lhr } = await lighthouse(`${await server.start()}/`, {
  port: Number(new URL(browser.wsEndpoint()).port), output: 'json', logLevel: 'error',
  onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'],
}, undefined, audited);
await server.stop();
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
const scores = Object.values(lhr.categories).map((category) => `${category.title} ${Math.round(category.score * 100)}`);
console.log(`Lighthouse ${lhr.lighthouseVersion}, a phone on a slow network: ${scores.join(', ')}`);
row('total blocking time', ms(lhr.audits['total-blocking-time'].numericValue), ms(50), 'the goal');
for (const audit of Object.values(lhr.audits)) {
  if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode === 'binary') console.log(`  failed: ${audit.title}`);
}
