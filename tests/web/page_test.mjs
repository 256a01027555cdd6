// The web edition in one browser engine (QUILL_BROWSER: chromium, firefox or
// webkit), driven as a person drives it: every control is found by its role
// and name, and what the page shows after each step is compared with what
// the native core shows after the same steps (web_reference): narrowing and
// its note, the messages, Auto Generate at fixed seconds, the settings (also
// while a message is up), copying, Share, links, the keyboard alone. axe-core
// (WCAG 2.2 A and AA) checks every state at 360 and 1280 pixels, light and
// dark, and the contrast of every control's edge, state and focus ring is
// measured; screenshots go to QUILL_ARTIFACTS. The site as published, from a
// folder of 127.0.0.1 with max-age: installed, updated, failing to update,
// beside a second copy, offline. Where the engine's driver cannot do a step,
// the test checks what the user sees instead and says so.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { after, before, test as nodeTest } from 'node:test';
import { pathToFileURL } from 'node:url';
import { launch, serve } from './browsers.mjs';

const engine = process.env.QUILL_BROWSER || 'chromium';
const { QUILL_WEB_PAGE: pagePath, QUILL_WEB_SITE: sitePath, QUILL_ARTIFACTS: artifacts } = process.env;
const pageUrl = pathToFileURL(pagePath).href;
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const boxNames = ['Randomize Conventional vs Unconventional', 'Randomize Metaphor vs Simile',
  'Randomize Negative vs Positive'];
const choiceNames = [['Conventional', 'Unconventional'], ['Metaphor', 'Simile'], ['Negative', 'Positive']];
const evilLink = 'concept=Evil&action=Heals&object=War&figure=simile';
const LOOK = ['look'];
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
// A step that hangs fails its test after two minutes.
const test = (name, fn) => nodeTest(name, { timeout: 120_000 }, fn);

// The plain http site, any address of the host quillmere.test through the
// browser's proxy, serves the one-file page; 127.0.0.1, a secure origin,
// serves the site as published in folders, as project pages are: each path
// under /NAME/ from the folder `served` names for NAME, the longest first.
// The file named `stale` comes with other bytes, as an older copy on the way
// would; a folder named in `redirecting` answers its own address with a
// redirect to its index.html, as some hosts do, one in `pretty` its
// index.html with a redirect to itself that browsers may not keep, one in
// `refusing` with 403.
const served = { folders: { 'quillmere/': sitePath }, stale: null, redirecting: [], pretty: [], refusing: [] };
const server = serve((url) => {
  if (url.hostname === 'quillmere.test') return pagePath;
  const folder = Object.keys(served.folders).sort((a, b) => b.length - a.length).find((name) => url.pathname.startsWith(`/${name}`));
  const file = url.pathname.slice(folder.length + 1);
  if (file === '' && served.redirecting.includes(folder)) return { redirect: `/${folder}index.html` };
  if (file === 'index.html' && served.pretty.includes(folder)) return { redirect: `/${folder}`, status: 307 };
  if (file === '' && served.refusing.includes(folder)) return { status: 403 };
  if (file === served.stale) return join(served.folders[folder], 'icon-192.png');
  return join(served.folders[folder], file === '' || file.endsWith('/') ? `${file}index.html` : file);
});
let origin;
// The engine's browser in the light look or the dark one: one at a time, as
// two WebKit browsers on one display take the focus from each other. One a
// test left broken is replaced.
let launched = null;
let can;  // what the engine's driver can do
async function browser(colorScheme = 'light') {
  if (launched?.colorScheme !== colorScheme || (await launched.browser.catch(() => ({ broken: true }))).broken) {
    await launched?.browser.then((open) => open.close(), () => {});
    launched = { colorScheme, browser: launch(engine, { colorScheme, proxy: origin }) };
  }
  return launched.browser;
}
// Both looks, the browser's own first, as each switch starts a browser anew.
const bothLooks = () => (launched?.colorScheme === 'dark' ? ['dark', 'light'] : ['light', 'dark']);
before(async () => {
  origin = await server.start();
  ({ can } = await browser());
});
after(async () => {
  await launched?.browser.then((open) => open.close());
  await server.stop();
});

// The native core's answers, a line of JSON for each "look" or "say" step.
function reference(steps) {
  const input = steps.map((step) => step.join('\t')).join('\n') + '\n';
  const run = spawnSync(process.env.QUILL_WEB_REFERENCE, { input, encoding: 'utf8', maxBuffer: 1 << 26 });
  assert.equal(run.status, 0, run.stderr);
  return run.stdout.trim().split('\n').map((line) => JSON.parse(line));
}

// Controls found by role and name inside a scope: a key for each, or a list of them.
async function findAll(page, scope, table) {
  const found = {};
  for (const [key, role, ...names] of table) {
    const each = await Promise.all(names.map((name) => page.find(role, name, scope)));
    found[key] = names.length > 1 ? each : each[0];
  }
  return found;
}
const mainControls = [['lists', 'combobox', 'Concept', 'Action', 'Object'], ['metaphor', 'radio', 'Metaphor'],
  ['simile', 'radio', 'Simile'], ['conventional', 'checkbox', 'Conventional'], ['generate', 'button', 'Generate'],
  ['auto', 'button', 'Auto Generate'], ['reset', 'button', 'Reset'], ['configure', 'button', 'Configure Auto'],
  ['copy', 'button', 'Copy'], ['copyAll', 'button', 'Copy All'], ['about', 'button', 'About'],
  ['sentence', 'status', 'Sentence'], ['note', 'status', 'Lists'], ['copying', 'status', 'Copying']];

// The settings' controls, found once they show.
async function settingsControls(page) {
  if (page.settings) return page.settings;
  const dialog = await page.find('dialog', 'Configure Auto');
  assert.ok(dialog, 'the settings show');
  page.settings = { dialog, ...await findAll(page, dialog, [['boxes', 'checkbox', ...boxNames],
    ['everything', 'button', 'Randomize Everything'], ['ok', 'button', 'OK']]) };
  page.settings.pairs = [];
  for (const names of choiceNames) page.settings.pairs.push(await Promise.all(names.map((name) => page.find('radio', name, dialog))));
  return page.settings;
}

// A page of the engine's at the address, or the one-file page from disk at a
// fragment, its clock at second 0 of a minute and a query of its own making
// each opening a new load.
async function openAt(url, { viewport = { width: 1280, height: 800 }, colorScheme, page = null } = {}) {
  page ??= await (await browser(colorScheme)).open(viewport);
  await page.goto(url);
  const main = await page.find('main', '');
  assert.ok(main, `the page opens at ${url}`);
  Object.assign(page, { messages: [], copied: null, settings: null, c: { main, ...await findAll(page, main, mainControls) } });
  return page;
}
let openings = 0;
async function open(fragment = '', options = {}) {
  const page = await openAt(`${pageUrl}?${++openings}${fragment}`, options);
  await setClock(page, 0);
  return page;
}
// The clock the page reads, fixed at a second of a minute.
const setClock = (page, second) => page.evaluate((time) => { Date.now = () => time; },
  new Date(2026, 11, 8, 12, 0, second).getTime());
async function closeClean(page) {
  assert.deepEqual(await page.problems(), []);
  await page.close();
}

const focused = (page) => page.evaluate(() => (document.activeElement.labels?.[0] ?? document.activeElement).textContent.trim());
const text = (page, element) => page.evaluate((node) => node.textContent, element);
const messageUp = (page) => page.evaluate(() => Boolean(document.querySelector('dialog[role=alertdialog][open]')));
const options = (page, list) => page.evaluate((select) => [...select.options].map((o) => o.text), page.c.lists[list]);

// The focus once it reaches the control of this name, as a dialog closing
// gives it back a moment after; where it is after two seconds if it does not.
async function focusReaches(page, name) {
  for (let waited = 0; waited < 2000 && (await focused(page)) !== name; waited += 20) await sleep(20);
  return focused(page);
}
// Presses the key until the control of this name has the focus, a dozen times
// at most; the name of the control that has it then.
async function tabTo(page, key, name) {
  for (let i = 0; i < 12 && await focused(page) !== name; ++i) await page.press(key);
  return focused(page);
}
// Waits until the page's function answers true, for up to fifteen seconds, a
// page loading anew meanwhile.
async function until(page, fn, ...args) {
  for (let waited = 0; waited < 15000; waited += 25) {
    if (await page.evaluate(fn, ...args).catch(() => false)) return;
    await sleep(25);
  }
  assert.fail(`never so: ${fn}`);
}
const says = (page, said) => until(page, (status, words) => status.textContent.startsWith(words), page.c.copying, said);

// Closes every message the page shows, noting each, now with OK, now with Esc.
async function takeMessages(page) {
  for (let taken = 0; await messageUp(page); ++taken) {
    assert.ok(taken < 10, 'a message that does not close');
    const box = await page.find('alertdialog', 'Quillmere');
    page.messages.push(await page.evaluate((dialog) => dialog.querySelector('p').textContent, box));
    if (page.messages.length % 2) await page.click(await page.find('button', 'OK', box));
    else await page.press('Escape');
  }
}

// Copy or Copy All, and what it put on the clipboard once it says it did; an
// engine whose driver cannot read the clipboard gives what the page says.
async function copy(page, button) {
  await page.click(button);
  await says(page, 'Copied');
  page.copied = can.readClipboard ? await page.evaluate(() => navigator.clipboard.readText()) : await text(page, page.c.copying);
}

// A pick with no key, as the mouse or an assistive tool makes it.
const pick = (page, list, position) => page.evaluate((select, at) => {
  select.selectedIndex = at;
  for (const type of ['input', 'change']) select.dispatchEvent(new Event(type, { bubbles: true }));
}, page.c.lists[list], position);

async function act(page, [verb, ...args]) {
  const { c } = page;
  const settings = () => settingsControls(page);
  switch (verb) {
    case 'fresh': return;
    case 'pick': await pick(page, args[0], args[1] ? (await options(page, args[0])).indexOf(args[1]) : 0); break;
    case 'pick-at': await pick(page, args[0], Number(args[1])); break;
    case 'figure': await page.click(args[0] === 0 ? c.metaphor : c.simile); break;
    case 'copy': await copy(page, c.copy); break;
    case 'copy-all': await copy(page, c.copyAll); break;
    case 'clock': await setClock(page, args[0]); break;
    case 'box': await page.click((await settings()).boxes[args[0]]); break;
    case 'choice': await page.click((await settings()).pairs[args[0]][args[1]]); break;
    case 'everything': await page.click((await settings()).everything); break;
    case 'ok': await page.click((await settings()).ok); break;
    // Typed as a person types an address: once the page has written its own,
    // which it does at most every tenth of a second.
    case 'link': await sleep(250); await page.evaluate((fragment) => new Promise((done) => {
      addEventListener('hashchange', () => setTimeout(done), { once: true });
      location.hash = fragment;
    }), args[0]); break;
    default: {
      const button = { conventional: c.conventional, generate: c.generate, auto: c.auto, reset: c.reset, settings: c.configure }[verb];
      if (!button) throw new Error(`unknown step ${verb}`);
      await page.click(button);
    }
  }
  await takeMessages(page);
}

const say = async (page) => ({ output: await text(page, page.c.sentence), messages: page.messages.splice(0) });

async function look(page) {
  const { c } = page;
  const state = await page.evaluate((lists, metaphor, simile, conventional, note) => ({
    lists: lists.map((select) => [...select.options].map((option) => option.text)),
    selected: lists.map((select) => select.selectedIndex),
    figure: metaphor.checked ? 0 : simile.checked ? 1 : -1,
    conventional: conventional.checked,
    note: note.textContent,
  }), c.lists, c.metaphor, c.simile, c.conventional, c.note);
  Object.assign(state, await say(page), { clipboard: page.copied ?? null, settings: null });
  if (page.settings || await page.find('dialog', 'Configure Auto')) {
    const s = await settingsControls(page);
    state.settings = await page.evaluate((dialog, boxes, pairs) => (dialog.open ? {
      boxes: boxes.map((box) => box.checked),
      choices: pairs.map(([first, second]) => (first.checked ? 0 : second.checked ? 1 : -1)),
      enabled: pairs.map(([first]) => !first.disabled),
    } : null), s.dialog, s.boxes, s.pairs);
  }
  return state;
}

// Runs the steps on the page, a fresh page at each "fresh", and compares every
// "look" and "say" with the native core's. Where the clipboard cannot be read,
// a copy is what the page says of it: "Copied", or "Copied N sentences".
async function compare(steps, page = null) {
  const expected = reference(steps);
  const seen = [];
  for (const step of steps) {
    if (step[0] === 'fresh' || !page) page = await open('', { page });
    if (step[0] === 'look') seen.push(await look(page));
    else if (step[0] === 'say') seen.push(await say(page));
    else await act(page, step);
  }
  for (const state of expected.filter((each) => each.clipboard)) {
    const lines = state.clipboard.split('\r\n');
    state.clipboard = can.readClipboard ? lines.join('\n') : `Copied${lines.length > 1 ? ` ${lines.length} sentences` : ''}`;
  }
  assert.deepEqual(seen, expected);
  assert.deepEqual(await page.problems(), []);
  return page;
}

// axe-core's findings on the page as it stands: WCAG 2.2 A and AA, and best practice.
async function axeFindings(page) {
  if (!await page.evaluate(() => Boolean(window.axe))) await page.evaluate(axeSource);
  return page.evaluate(() => window.axe.run(document, {
    runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'], resultTypes: ['violations'],
  }).then((results) => results.violations.map((found) => `${found.id}: ${found.nodes.map((node) => node.target.join(' ')).join(', ')}`)));
}

test('every control is there under its role and name, the concept list has the focus and About is the program\'s', async () => {
  const page = await open();
  assert.equal(await focusReaches(page, 'Concept'), 'Concept');
  for (const [key, found] of Object.entries(page.c)) assert.ok(key === 'lists' ? found.every(Boolean) : found, key);
  await act(page, ['settings']);
  const s = await settingsControls(page);
  assert.ok([...s.boxes, ...s.pairs.flat(), s.everything, s.ok].every(Boolean), 'every control of the settings');
  // A number that names no list or mode, called from the console, changes nothing and throws nothing.
  const before = await look(page);
  await page.evaluate(() => [-1, 3, 2 ** 31 - 1].forEach((number) => ['pick', 'settings_box', 'settings_radio']
    .forEach((name) => Module[`_quill_${name}`](number))));
  assert.deepEqual(await look(page), before);
  // The policy lets in the page's own script alone: one injected later does not run, and the page hears why.
  const refused = await page.evaluate(() => new Promise((done) => {
    addEventListener('securitypolicyviolation', (event) => done(event.effectiveDirective), { once: true });
    setTimeout(() => done(window.injected ? 'ran' : 'nothing said'), 2000);
    document.head.append(Object.assign(document.createElement('script'), { textContent: 'window.injected = true' }));
  }));
  assert.match(refused, /^script-src/);
  assert.equal(await page.evaluate(() => window.injected === true), false);
  await page.problems();  // what the engine says of the refused script

  await page.click(page.c.about);
  const about = await page.find('dialog', 'About Quillmere');
  assert.match(await text(page, about), /Quillmere Version 1\.0[\s\S]*Copyright \(C\) 2026 Quillmere[\s\S]*MIT License/);
  const site = await page.find('link', 'Visit the Web Site', about);
  assert.deepEqual(await page.evaluate((a) => [a.target, a.protocol], site), ['_blank', 'https:']);
  assert.equal(await focused(page), 'OK');
  // Ctrl+C while About is up copies no sentence: the form waits behind it.
  await page.press('Control+c');
  await sleep(200);
  assert.equal(await text(page, page.c.copying), '');
  await page.press('Escape');
  assert.equal(await page.find('dialog', 'About Quillmere'), null);
  assert.equal(await focusReaches(page, 'About'), 'About', 'the focus goes back where it was');
  // About blocks the form and not the settings, for the mouse and for Tab.
  await page.click(page.c.about);
  assert.equal(await tabTo(page, 'Tab', boxNames[0]), boxNames[0]);
  await page.click(s.boxes[2]);
  assert.equal(await page.evaluate((box) => box.checked, s.boxes[2]), false);
  await page.click(await page.find('button', 'OK', await page.find('dialog', 'About Quillmere')));
  assert.equal(await page.find('dialog', 'About Quillmere'), null);
  await closeClean(page);
});

// Each of the page's bindings once, compared with the native core, which
// proves the rules themselves: the lists narrowed both ways and their note,
// the figure read and written (Reset puts back the one last read),
// Conventional, a message, Auto Generate at a second, every kind of the
// settings' controls, Copy and Copy All.
test('each binding of the page shows what the native core shows', async (t) => {
  const page = await compare([
    ['fresh'], ['pick', 0, 'Evil'], ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['figure', 1], ['generate'], LOOK,
    ['conventional'], ['pick', 1, 'Heals'], LOOK, ['figure', 0], ['reset'], ['generate'], LOOK,
    ['settings'], ['box', 0], ['choice', 0, 1], ['box', 2], ['choice', 2, 1], LOOK,
    ['clock', 42], ['auto'], ['copy'], LOOK, ['everything'], ['ok'], ['auto'], ['copy-all'], LOOK,
  ]);
  // Ctrl+C takes the sentence, unless some text on the page is selected.
  await until(page, (status) => status.textContent === '', page.c.copying);
  if (can.readClipboard) await page.evaluate(() => navigator.clipboard.writeText('something else'));
  await page.press('Control+c');
  await says(page, 'Copied');
  if (!can.readClipboard) return t.diagnostic(`${engine}: the driver cannot read the clipboard; Ctrl+C is checked by "Copied"`);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), await text(page, page.c.sentence));
  await page.evaluate(() => getSelection().selectAllChildren(document.querySelector('h1')));
  await page.press('Control+c');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'Quillmere');
  await page.close();
});

// The Windows settings window is no child of the main window: a message over
// the form leaves it usable, by mouse and keyboard and for a screen reader,
// and what changes there reaches Auto Generate.
test('the settings stay in everyone\'s reach while a message is up, and Enter in them is OK', async () => {
  const [expected] = reference([['settings'], ['generate'], ['box', 1], ['choice', 1, 1], ['box', 2], ['clock', 31], ['auto'], LOOK]);
  const page = await open();
  await act(page, ['settings']);
  const s = await settingsControls(page);
  await page.click(page.c.generate);
  assert.equal(await messageUp(page), true);
  assert.equal(await focused(page), 'OK', 'the message has the focus');
  assert.equal(await page.evaluate((main) => main.inert, page.c.main), true, 'the form waits behind it');
  assert.ok(await page.find('dialog', 'Configure Auto'), 'the settings are there for a screen reader too');
  await page.click(s.boxes[1]);
  await page.click(s.pairs[1][1]);
  // By keyboard alone: Tab goes on from the message to the settings, and Shift+Tab back.
  assert.equal(await tabTo(page, 'Tab', boxNames[2]), boxNames[2]);
  await page.press(' ');
  assert.equal(await tabTo(page, 'Shift+Tab', 'OK'), 'OK');
  // The message closed as a screen reader's action closes it, with the focus
  // moved on to the settings: the focus stays where the user put it.
  assert.equal(await tabTo(page, 'Tab', boxNames[2]), boxNames[2]);
  const message = await page.find('alertdialog', 'Quillmere');
  page.messages.push(await page.evaluate((box) => box.querySelector('p').textContent, message));
  await page.evaluate((box) => box.querySelector('button').click(), message);
  assert.equal(await focusReaches(page, 'Generate'), boxNames[2]);
  await act(page, ['clock', 31]);
  await act(page, ['auto']);
  assert.deepEqual(await look(page), expected);
  assert.equal(expected.figure, 1, 'the simile chosen while the message was up');

  // Enter on a box, then on a radio button, closes the settings, as their OK does.
  for (const target of [s.boxes[0], s.pairs[1][1]]) {
    await act(page, ['settings']);
    await page.evaluate((element) => element.focus(), target);
    await page.press('Enter');
    assert.equal(await page.find('dialog', 'Configure Auto'), null);
    assert.equal(await focused(page), 'Configure Auto');
  }
  await closeClean(page);
});

// A fresh page, on the same tab, with the focus on the concept list.
async function atConcept(page = null) {
  page = await open('', { page });
  await focusReaches(page, 'Concept');
  return page;
}

test('the keyboard alone: every word within reach, each way a pick is committed, the tab order, the access keys', async () => {
  let page = await open();
  const order = [await focusReaches(page, 'Concept')];
  for (let i = 0; i < 9; ++i) {
    await page.press('Tab');
    order.push(await focused(page));
  }
  assert.deepEqual(order, ['Concept', 'Action', 'Object', 'Metaphor', 'Generate', 'Auto Generate', 'Reset',
    'Conventional', 'Configure Auto', 'About']);

  // Browsing a list narrows nothing until the pick is committed, so the arrow
  // key visits every word.
  page = await atConcept(page);
  const concepts = (await options(page, 0)).length;
  const visited = new Set();
  for (let i = 0; i < concepts; ++i) {
    await page.press('ArrowDown');
    visited.add(await page.evaluate((select) => select.value, page.c.lists[0]));
  }
  assert.equal(visited.size, concepts - 1, 'every concept, from the blank entry down');
  assert.equal(await text(page, page.c.note), '', 'nothing narrowed while browsing');
  // A popup opened with Alt+Down, modal in Safari, where its pick comes before
  // the key's handling ends: the pick narrows at once, as the mouse's does.
  await page.evaluate((select) => {
    select.dispatchEvent(new KeyboardEvent('keydown', { key: 'ArrowDown', altKey: true, bubbles: true }));
    select.selectedIndex = 1;
    select.dispatchEvent(new Event('change', { bubbles: true }));
  }, page.c.lists[0]);
  assert.notEqual(await text(page, page.c.note), '', 'narrowed at once');

  // Each way of committing, alone: Enter, Tab, an access key, Ctrl+C, and a
  // link typed into the address that is none; each narrows the lists as the
  // word picked with the mouse does.
  for (const [word, how] of [['Evil', 'Enter'], ['Joy', 'Tab'], ['Evil', 'access key'], ['Joy', 'Control+c'], ['Evil', 'address']]) {
    page = await atConcept(page);
    await page.type(word);
    assert.equal(await text(page, page.c.note), '', `${how}: nothing narrowed before`);
    if (how === 'access key') await page.accessKey('g');
    else if (how === 'address') await act(page, ['link', 'concept=nothing']);
    else await page.press(how);
    await takeMessages(page);
    const [{ lists, note }, shown] = [reference([['pick', 0, word], LOOK])[0], await look(page)];
    assert.deepEqual({ lists: shown.lists, note: shown.note }, { lists, note }, how);
  }

  // A sentence by keyboard alone, said once.
  page = await atConcept(page);
  await page.evaluate((note) => {
    window.heard = [];
    new MutationObserver(() => window.heard.push(note.textContent)).observe(note, { childList: true, characterData: true, subtree: true });
  }, page.c.note);
  await page.type('Evil');
  await page.press('Tab');
  for (let i = (await options(page, 1)).indexOf('Wounds'); i > 0; --i) await page.press('ArrowDown');
  await page.press('Tab');
  await page.type('War');
  await page.accessKey('g');
  const [picked] = reference([['pick', 0, 'Evil'], ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['generate'], LOOK]);
  assert.deepEqual(await look(page), picked, 'as the same words picked with the mouse');
  assert.deepEqual(await page.evaluate(() => window.heard), [picked.note], 'what changed, said once');
  // A link typed after the keyboard's picks opens its own sentence.
  await act(page, ['link', evilLink]);
  assert.deepEqual(await look(page), reference([['link', evilLink], LOOK])[0]);

  // A message takes the focus on its OK and gives it back when closed.
  await page.accessKey('r');
  await page.accessKey('g');
  assert.equal(await focusReaches(page, 'OK'), 'OK');
  await page.press('Escape');
  assert.equal(await focusReaches(page, 'Generate'), 'Generate');

  // The settings open by their access key and close with Esc; then Simile and
  // Auto Generate by theirs.
  await page.accessKey('o');
  assert.equal(await focusReaches(page, 'Randomize Everything'), 'Randomize Everything');
  await page.press('Escape');
  assert.equal(await page.find('dialog', 'Configure Auto'), null);
  await page.accessKey('s');
  await page.accessKey('a');
  const [drawn] = reference([['pick', 0, 'Evil'], ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['generate'],
    ['link', evilLink], ['reset'], ['generate'], ['figure', 1], ['auto'], LOOK]);
  const { output, selected } = await look(page);
  assert.deepEqual({ output, selected }, { output: drawn.output, selected: drawn.selected });
  await closeClean(page);
});

test('a link opens the sentence as the program leaves it, typed into the address too, and any other address a fresh page', async () => {
  const [linked] = reference([['link', evilLink], LOOK]);
  let page = await open(`#${evilLink}`);
  assert.deepEqual(await look(page), linked);
  assert.equal(await focusReaches(page, 'Concept'), 'Concept');
  await copy(page, page.c.copy);
  assert.equal(page.copied, can.readClipboard ? 'Evil is like a healing war.' : 'Copied');
  await act(page, ['figure', 0]);
  await act(page, ['generate']);
  await until(page, () => location.hash === '#concept=Evil&action=Heals&object=War&figure=metaphor');

  // An address the browser refuses to rewrite leaves the page working: the
  // rewrite is tried again a few times, then left until the next sentence.
  await page.evaluate(() => {
    window.refusals = 0;
    window.replaceState = history.replaceState;
    history.replaceState = () => { ++window.refusals; throw new DOMException('too often', 'SecurityError'); };
  });
  await act(page, ['figure', 1]);
  await act(page, ['generate']);
  assert.equal(await text(page, page.c.sentence), 'Evil is like a healing war.');
  await sleep(1000);
  const refusals = await page.evaluate(() => window.refusals);
  assert.ok(refusals > 1 && refusals <= 5, `${refusals} refused rewrites`);
  await page.evaluate(() => { history.replaceState = window.replaceState; });
  await sleep(300);
  assert.match(await page.evaluate(() => location.hash), /figure=metaphor$/, 'given up until the next sentence');
  await act(page, ['generate']);
  await until(page, (link) => location.hash === `#${link}`, evilLink);

  // A link typed into the address of the open page, while an earlier pick narrows the lists.
  const typed = 'concept=Meter%20Maid&action=Consumes&object=Fire&figure=metaphor';
  await compare([['fresh'], ['pick', 0, 'Joy'], ['link', typed], LOOK, ['link', evilLink.replace('War', 'Garden')], LOOK], page);

  // An address that is no link opens a fresh page and leaves no bare "#";
  // one of a megabyte (as long as Firefox lets one be) set from a script is
  // no link either, and the page goes on, handing the engine only as much of
  // it as a link can hold.
  const [fresh] = reference([LOOK]);
  for (const fragment of ['#', '#%']) {
    page = await open(fragment, { page });
    assert.deepEqual(await look(page), fresh, fragment);
    await until(page, () => !location.href.includes('#'));
  }
  await page.evaluate(() => {
    const fragment = Module.page.fragment;
    Module.page.fragment = (limit) => Object.assign(window, { handed: fragment(limit) }).handed;
    location.hash = `concept=${'E'.repeat(1e6)}`;
  });
  await act(page, ['pick', 0, 'Evil']);
  assert.ok(await page.evaluate(() => window.handed.length < 1000));
  assert.equal((await look(page)).lists[0].length, 33);
  await closeClean(page);
});

test('a long session keeps the last 10,000 sentences for Copy All and never runs out of memory', async () => {
  const page = await open();
  for (const [list, word] of ['Evil', 'Wounds', 'War'].entries()) await act(page, ['pick', list, word]);
  const { c } = page;
  // Two sentences by turns, each remembered, with a Copy All now and then.
  await page.evaluate((figures, generate, copyAll) => {
    for (let i = 0; i < 30003; ++i) {
      figures[i % 2].click();
      generate.click();
      if (i % 5000 === 4999) copyAll.click();
    }
  }, [c.metaphor, c.simile], c.generate, c.copyAll);
  await copy(page, c.copyAll);
  if (can.readClipboard) {
    const lines = page.copied.split('\n');
    assert.deepEqual([lines.length, lines[0], lines.at(-1)], [10000, 'Evil is like a wounding war.', 'Wounding evil is a war.']);
  }
  assert.equal(await text(page, c.copying), 'Copied 10000 sentences');
  await closeClean(page);
});

test('copying says what it did, works on a plain http site keeping the focus, and says so when the browser refuses', async (t) => {
  const page = await openAt(`http://quillmere.test/#${evilLink}`);
  assert.equal(await page.evaluate(() => isSecureContext), false, 'a plain http site, where the browser has no clipboard API');
  await page.evaluate((button) => button.focus(), page.c.copy);
  await page.press('Enter');
  await says(page, 'Copied');
  assert.equal(await focused(page), 'Copy', 'the focus stays where it was');
  if (can.readClipboard) {
    const reader = await open();
    assert.equal(await reader.evaluate(() => navigator.clipboard.readText()), 'Evil is like a healing war.');
    await reader.close();
  } else {
    t.diagnostic(`${engine}: the driver cannot read the clipboard; the copy is checked by the page saying "Copied"`);
  }
  // Three copies in a burst: only the last says what it did.
  await page.evaluate((status, button) => {
    window.said = [];
    new MutationObserver(() => status.textContent && window.said.push(status.textContent))
      .observe(status, { childList: true, characterData: true, subtree: true });
    for (let i = 0; i < 3; ++i) button.click();
  }, page.c.copying, page.c.copy);
  await until(page, () => window.said.length > 0);
  await sleep(200);
  assert.equal(await page.evaluate(() => window.said.length), 1);
  await page.evaluate(() => { document.execCommand = () => false; });
  await page.click(page.c.copyAll);
  await says(page, 'The browser did not let the page copy. Select the sentence and copy it yourself.');
  await closeClean(page);
});

test('Share, where the browser offers it, shares the sentence and the link it is on its way to; cancelled, it says nothing', async () => {
  const page = await open();
  assert.equal(await page.find('button', 'Share', page.c.main), null, 'no Share where the browser has none');
  await page.evaluate(() => {
    window.shared = [];
    navigator.share = (data) => {
      window.shared.push(data);
      return window.shared.length > 1 ? Promise.reject(new DOMException('cancelled', 'AbortError')) : Promise.resolve();
    };
  });
  await act(page, ['reset']);
  const share = await page.find('button', 'Share', page.c.main);
  assert.ok(share, 'Share beside Copy');
  assert.equal(await page.evaluate((button) => button.disabled, share), true, 'nothing to share before a sentence');
  // Two sentences in a burst, shared at once: the address follows a moment later.
  await act(page, ['link', evilLink]);
  await page.evaluate((...buttons) => buttons.forEach((button) => button.click()),
    page.c.metaphor, page.c.generate, page.c.simile, page.c.generate, share, share);
  const url = `${pageUrl}?${openings}#${evilLink}`;
  assert.deepEqual(await page.evaluate(() => window.shared), [1, 2].map(() => ({ text: 'Evil is like a healing war.', url })));
  assert.deepEqual([await text(page, page.c.copying), await messageUp(page)], ['', false]);
  await closeClean(page);
});

test('with scripts off the page says it needs them', async (t) => {
  if (!can.turnScriptsOff) return t.diagnostic(`${engine}: the driver cannot turn scripts off; checked in Chromium`);
  const page = await (await browser()).open({ scripts: false });
  await page.goto(pageUrl);
  assert.ok(await page.evaluate(() => [...document.querySelectorAll('p')].some((p) => p.textContent.includes('needs JavaScript') && p.offsetParent)));
  await page.close();
});

// Each state a user meets, each reached from the one before it on one page.
const states = {
  start: async () => {},
  narrowed: (page) => act(page, ['pick', 0, 'Joy']),
  sentence: (page) => act(page, ['link', evilLink]),
  settings: (page) => act(page, ['settings']),
  message: async (page) => {
    await page.click(page.c.reset);
    await page.click(page.c.generate);
  },
  about: async (page) => {
    await takeMessages(page);
    await page.click(page.c.about);
  },
};

test('axe finds nothing in any state, at 360 and 1280 pixels, light and dark', async () => {
  const found = [];
  for (const colorScheme of bothLooks()) {
    for (const [width, height] of [[360, 640], [1280, 800]]) {
      const page = await open('', { viewport: { width, height }, colorScheme });
      for (const [name, reach] of Object.entries(states)) {
        await reach(page);
        for (const finding of await axeFindings(page)) found.push(`${width} ${colorScheme} ${name}: ${finding}`);
      }
      await page.close();
    }
  }
  assert.deepEqual(found, []);
});

// The contrast of control edges and states, which axe does not measure: each
// against the colour behind it, at least 3:1 (WCAG 2.2, 1.4.11); and the
// focus ring of every control the keyboard reaches, as Tab reaches it.
test('every control\'s edge and every state of it stands 3:1 against its surroundings, light and dark', async () => {
  for (const colorScheme of bothLooks()) {
    const page = await open('', { colorScheme });
    await act(page, ['settings']);  // its radio buttons disabled, one of each pair checked
    const { ok } = await settingsControls(page);
    const weak = [];
    let reached = 0;
    // From the top of the page, then from About's OK, to the last control,
    // the settings' OK: a Tab past it would take the focus out of the page,
    // which a driven Firefox does not give back.
    for (const state of ['form', 'about']) {
      if (state === 'about') await states.about(page);
      else await page.click(await page.find('heading', 'Quillmere'));
      weak.push(...await page.evaluate(contrasts));
      for (let last = false; !last && reached < 80; ++reached) {
        await page.press('Tab');
        const [rings, atLast] = await page.evaluate(contrasts, ok);
        weak.push(...rings);
        last = atLast;
      }
    }
    assert.ok(reached >= 15, `Tab reached only ${reached} controls`);
    assert.deepEqual([...new Set(weak)], [], colorScheme);
    await page.close();
  }
});

// The edges and checked marks of the controls one can use now that stand
// less than 3:1 against the colour behind them; or, given the last control,
// whether the focused control's focus ring does, and whether it is the last.
function contrasts(last = null) {
  const rgb = (color) => color.match(/[\d.]+/g).slice(0, 4).map(Number);
  const luminance = ([r, g, b]) => [r, g, b].map((v) => {
    const c = v / 255;
    return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
  }).reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
  const ratio = (a, b) => {
    const [high, low] = [luminance(rgb(a)), luminance(rgb(b))].sort((x, y) => y - x);
    return (high + 0.05) / (low + 0.05);
  };
  const behind = (element) => {
    for (let at = element.parentElement; at; at = at.parentElement) {
      const color = getComputedStyle(at).backgroundColor;
      if (rgb(color)[3] !== 0) return color;
    }
    return getComputedStyle(document.body).backgroundColor;
  };
  const found = [];
  const check = (element, what, measured) => {
    if (measured < 3) found.push(`${what} of ${element.outerHTML.slice(0, 60)}: ${measured.toFixed(2)}`);
  };
  if (last) {
    const element = document.activeElement;
    const style = getComputedStyle(element);
    const ring = style.boxShadow.match(/rgba?\([^)]*\)/g) ?? [];
    const best = Math.max(ratio(style.outlineColor, behind(element)), ...ring.map((color) => ratio(color, behind(element))));
    check(element, 'focus', style.outlineStyle === 'none' ? 0 : best);
    return [found, element === last];
  }
  for (const element of document.querySelectorAll('select, button, input, a[href]')) {
    if (!element.offsetParent || element.closest('[inert]')) continue;
    const style = getComputedStyle(element);
    if (!element.matches('a')) check(element, 'edge', ratio(style.borderTopColor, behind(element)));
    if (element.matches(':checked')) check(element, 'checked mark', ratio(style.backgroundColor, behind(element)));
  }
  return found;
}

test('on a phone: 44-pixel targets, the sentence on screen after Generate, the largest text, Generate the primary button', async () => {
  const page = await open('', { viewport: { width: 360, height: 640 } });
  await act(page, ['settings']);
  for (const [list, word] of ['Unipolar Mania Disorder', 'Provides For', 'Bullish Stock Market Trends'].entries()) {
    await act(page, ['pick', list, word]);
  }
  const small = await page.evaluate(() => [...document.querySelectorAll('select, button, input, a[href]')]
    .filter((element) => element.offsetParent)
    .map((element) => [element, (element.closest('label') ?? element).getBoundingClientRect()])
    .filter(([, box]) => box.width < 44 || box.height < 44)
    .map(([element, box]) => `${element.outerHTML.slice(0, 50)} ${box.width}x${box.height}`));
  assert.deepEqual(small, []);

  await page.evaluate(() => scrollTo(0, 0));
  await page.click(page.c.generate);
  const shown = await page.evaluate((output, main) => {
    const box = output.getBoundingClientRect();
    const size = (element) => parseFloat(getComputedStyle(element).fontSize);
    const larger = [...document.querySelectorAll('body *')]
      .filter((element) => element !== output && element.offsetParent && [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim()))
      .filter((element) => size(element) >= size(output)).map((element) => element.outerHTML.slice(0, 40));
    const buttons = [...main.querySelectorAll('button')].map((button) => [button.textContent, getComputedStyle(button).backgroundColor]);
    const primary = buttons.filter(([, color]) => color !== buttons.at(-1)[1]).map(([name]) => name);
    return { top: box.top, bottom: box.bottom, scrolled: scrollY, height: innerHeight, larger, primary };
  }, page.c.sentence, page.c.main);
  assert.equal(shown.scrolled, 0);
  assert.ok(shown.top >= 0 && shown.bottom <= shown.height, `the sentence lies at ${shown.top}..${shown.bottom} of ${shown.height}`);
  assert.deepEqual(shown.larger, [], 'no text as large as the sentence');
  assert.deepEqual(shown.primary, ['Generate'], 'Generate alone stands out');
  await page.close();
});

// Each size with each dialog, nothing cut off, and the settings open where the
// user looks and never scroll inside the page, also at 200 % zoom.
test('screenshots: phone, tablet and desktop, light and dark, each dialog, nothing cut off', async (t) => {
  mkdirSync(artifacts, { recursive: true });
  const long = '#concept=Unipolar%20Mania%20Disorder&action=Provides%20For&object=Bullish%20Stock%20Market%20Trends&figure=metaphor';
  const sizes = { phone: [360, 640, 1], landscape: [640, 360, 1], tablet: [768, 1024, 1], desktop: [1280, 800, 1] };
  if (can.scale) sizes.zoom200 = [640, 400, 2];
  else t.diagnostic(`${engine}: the driver cannot zoom; 200 % is checked in Chromium`);
  for (const colorScheme of bothLooks()) {
    for (const [size, [width, height, scale]] of Object.entries(sizes)) {
      const page = await open(long, { viewport: { width, height, scale }, colorScheme });
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
      assert.equal(overflow, 0, `${size} scrolls sideways by ${overflow}`);
      for (const name of ['start', 'settings', 'message', 'about']) {
        await states[name](page);
        await page.screenshot(`${artifacts}/${engine}-${size}-${colorScheme}-${name === 'start' ? 'sentence' : name}.png`, name === 'settings');
        if (name !== 'settings') continue;
        const s = await settingsControls(page);
        const [inside, box, first] = await page.evaluate((dialog, button) => [dialog.scrollHeight, dialog.clientHeight,
          button.getBoundingClientRect().top >= 0 && button.getBoundingClientRect().bottom <= innerHeight], s.dialog, s.everything);
        assert.ok(inside <= box + 1, `${size}: ${inside} px of settings in a ${box} px box`);
        assert.equal(await focused(page), 'Randomize Everything');
        assert.ok(first, `${size}: the panel's first control is on screen`);
      }
      await closeClean(page);
    }
  }
});

// A build of the site as the build's own step makes it, from the page with
// `change` made to it.
function buildSite(name, change) {
  const folder = join(artifacts, `${engine}-${name}`);
  writeFileSync(`${folder}.html`, change(readFileSync(pagePath, 'utf8')));
  const made = spawnSync(process.env.QUILL_CMAKE, [`-DPAGE=${folder}.html`, `-DICONS=${process.env.QUILL_SITE_ICONS}`,
    `-DOUT=${folder}`, `-DNODE=${process.execPath}`, '-P', process.env.QUILL_SITE_SCRIPT], { encoding: 'utf8' });
  assert.equal(made.status, 0, made.stderr);
  return folder;
}
const titled = (title) => (html) => html.replace('<h1>Quillmere</h1>', `<h1>${title}</h1>`);
const ready = (page) => page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
// With the server stopped and the browser's HTTP cache emptied where the
// driver can, the copy in FOLDER opens and makes sentences at the page's
// addresses, fresh ones too, staying there, and at `others`, landing on the folder.
async function offline(page, folder, others = []) {
  await server.stop();
  if (can.devTools) await page.cdp('Network.clearBrowserCache');
  try {
    const at = `${origin}/${folder}`;
    const pages = ['', `?${++openings}`, `index.html?${++openings}`];
    for (const [path, lands] of [...pages.map((path) => [path, path]), ...others.map((path) => [path, ''])]) {
      page = await openAt(`${at}${path}`, { page });
      // A host's redirect to index.html, which WebKit keeps, may take the folder there.
      assert.equal(await page.evaluate(() => location.href.split('#')[0].replace(/index\.html$/, '')), `${at}${lands}`, path);
      for (const [list, word] of ['Evil', 'Wounds', 'War'].entries()) await act(page, ['pick', list, word]);
      await act(page, ['generate']);
      assert.equal(await text(page, page.c.sentence), 'Wounding evil is a war.', path);
    }
    assert.deepEqual((await page.problems()).filter((problem) => !problem.startsWith(`request: ${origin}`)), []);
  } finally {
    await server.start();
  }
  return page;
}
// The page of the copy at AT lost from the cache (storage cleared in part), or every cache gone.
const lose = (page, at, whole = false) => page.evaluate((lost, all) => caches.keys().then((names) => Promise.all(names.map(
  (name) => (all ? caches.delete(name) : caches.open(name).then((cache) => cache.delete(lost, { ignoreSearch: true })))))),
`${at}index.html`, whole);
// The browser shows at each address what the host itself answers there.
async function hostAnswers(page, urls) {
  for (const url of urls) {
    await page.goto(url);
    assert.equal(await page.evaluate(() => document.body.textContent), await (await fetch(url)).text(), url);
  }
  await page.problems();  // what the engine says of the host's errors
}
const offered = (page) => until(page, () => document.querySelector('[aria-label="New version"]').textContent ===
  'A new version of Quillmere is ready.');

// The site from a folder whose files browsers may keep an hour: installable;
// a newer build offered where the page is shown again or opened, and Reload
// keeping the sentence, our earlier caches of this folder gone, no other;
// kept again in one visit after storage is cleared; and online, the host's.
test('the site installs, offers a newer build at once, and opens offline at any of its addresses', async (t) => {
  let page = await openAt(`${origin}/quillmere/`);
  await ready(page);
  if (can.devTools) {
    const { installabilityErrors } = await page.cdp('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, [], 'Chromium can install it');
    await page.cdp('Emulation.setEmulatedMedia', { features: [{ name: 'display-mode', value: 'standalone' }] });
    await act(page, ['link', evilLink]);
    await page.screenshot(`${artifacts}/${engine}-site-installed.png`);
  }
  page = await openAt(`${origin}/quillmere/?again#${evilLink}`, { page });
  assert.equal(await page.evaluate(() => Boolean(navigator.serviceWorker.controller)), true, 'the worker controls the page');
  // Our earlier caches, in today's format and the one before: this folder's go; its inner copy's, a mixed one, an empty one stay.
  const earlier = { [`quillmere ${origin}/quillmere/ 0123456789abcdef`]: [''], 'quillmere-0123456789abcdef': [''],
    [`quillmere ${origin}/quillmere/beta/ 0123456789abcdef`]: ['beta/'], 'quillmere-fedcba9876543210': ['', 'beta/'], 'quillmere-00000000000000ff': [] };
  await page.evaluate((folder, made) => Promise.all(Object.entries(made).map(([name, paths]) => caches.open(name)
    .then((cache) => Promise.all(paths.map((path) => cache.put(`${folder}${path}`, new Response('old'))))))), `${origin}/quillmere/`, earlier);
  // Showing the page asks for a newer build, whatever the browser's own checks do.
  await page.evaluate(() => {
    window.updatesAsked = 0;
    const { update } = ServiceWorkerRegistration.prototype;
    ServiceWorkerRegistration.prototype.update = function asked() {
      window.updatesAsked += 1;
      return update.call(this);
    };
  });

  served.folders['quillmere/'] = buildSite('newer', titled('Quillmere, newer'));
  if (can.hide) {
    await page.hideAndShow();
  } else {
    t.diagnostic(`${engine}: the driver cannot hide the page; the page is told it is shown again`);
    await page.evaluate(() => document.dispatchEvent(new Event('visibilitychange')));
  }
  await until(page, () => window.updatesAsked > 0);
  await offered(page);
  // The offer as it shows: nothing for axe, every edge 3:1.
  assert.deepEqual([...await axeFindings(page), ...await page.evaluate(contrasts)], []);
  await page.screenshot(`${artifacts}/${engine}-site-offer.png`);
  page = await openAt(`${origin}/quillmere/?${++openings}#${evilLink}`, { page });
  await offered(page);
  await page.click(await page.find('button', 'Reload'));
  // The newer build, and the sentence on screen with it.
  await until(page, () => document.querySelector('h1').textContent === 'Quillmere, newer' &&
    document.querySelector('[aria-label=Sentence][role=status]').textContent === 'Evil is like a healing war.');
  await until(page, (names, left) => caches.keys().then((keys) => names.filter((name) => keys.includes(name)).join() === left),
    Object.keys(earlier), Object.keys(earlier).slice(2).join());

  await lose(page, `${origin}/quillmere/`, true);
  page = await openAt(`${origin}/quillmere/?${++openings}`, { page });
  const others = ['constructor', 'toString', '__proto__', 'hasOwnProperty', 'no/such/page'];
  await hostAnswers(page, others.map((path) => `${origin}/quillmere/${path}`));
  page = await offline(page, 'quillmere/', others);
  // A newer build waiting and the page lost, on a host that sends index.html
  // to the folder: a visit, in the same tab or a new one, opens the page
  // unkept, index.html asked for twice at most: for the visit, and to keep it.
  served.folders['quillmere/'] = buildSite('newest', titled('Quillmere, newest'));
  served.pretty = ['quillmere/'];
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found.update()));
  await until(page, () => navigator.serviceWorker.getRegistration().then((found) => Boolean(found.waiting)));
  await lose(page, `${origin}/quillmere/`);
  server.asked.length = 0;
  page = await openAt(`${origin}/quillmere/?${++openings}`, { page });
  const tab = await openAt(`${origin}/quillmere/?${++openings}`);
  const fetched = server.asked.filter((path) => path === '/quillmere/index.html').length;
  assert.ok(fetched <= 4, `index.html was asked for ${fetched} times in two visits`);
  await tab.close();
  await page.close();
  served.folders['quillmere/'] = sitePath;
  served.pretty = [];
});

// A stale file is no update; a waiting one leaves the running one offline. An
// outer copy taking over spares the inner one. Hosts that redirect or refuse
// the folder (an S3 bucket) work, the app at its start address too; a first
// visit fetches the page twice at most; at the root, other folders are the host's.
test('a stale update, copies inside each other and on other hosts each work offline', async () => {
  served.folders['copy/'] = sitePath;
  served.redirecting = ['copy/'];
  served.folders['copy/beta/'] = buildSite('beta', titled('Quillmere beta'));
  server.asked.length = 0;
  let page = await openAt(`${origin}/copy/`);
  await ready(page);
  const fetched = server.asked.filter((path) => path === '/copy/index.html').length;
  assert.ok(fetched <= 2, `the page was fetched ${fetched} times`);
  page = await openAt(`${origin}/copy/beta/`, { page });
  await ready(page);

  page = await openAt(`${origin}/copy/`, { page });
  served.folders['copy/'] = buildSite('copy-newer', titled('Quillmere, newer'));
  served.stale = 'index.html';
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found.update()).catch(() => {}));
  await until(page, () => navigator.serviceWorker.getRegistration().then((found) => !found.installing && !found.waiting));
  served.stale = null;
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found.update()));
  await until(page, () => navigator.serviceWorker.getRegistration().then((found) => Boolean(found.waiting)));
  page = await offline(page, 'copy/');
  // The newer build takes over, as Reload asks it to (WebKit's did as its pages changed offline).
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found.waiting?.postMessage('take-over')));
  await until(page, () => navigator.serviceWorker.getRegistration().then((found) => !found.waiting && found.active.state === 'activated'));
  page = await offline(page, 'copy/beta/');
  served.redirecting = [];

  Object.assign(served.folders, { 's3/': sitePath, '': sitePath, 'other/': sitePath });
  served.refusing = ['s3/'];
  page = await openAt(`${origin}/s3/index.html`, { page });
  await ready(page);
  const start = new URL(JSON.parse(readFileSync(join(sitePath, 'manifest.webmanifest'))).start_url, `${origin}/s3/`).href;
  page = await openAt(start, { page });
  await lose(page, `${origin}/s3/`);
  page = await offline(await openAt(start, { page }), 's3/');
  page = await openAt(`${origin}/`, { page });
  await ready(page);
  await hostAnswers(page, [`${origin}/other/robots.txt`, `${origin}/other/no-such-page`]);
  await page.close();
});
