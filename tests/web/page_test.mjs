// The web edition in one browser engine (QUILL_BROWSER: chromium, firefox or
// webkit), driven as a person drives it: every control is found by its role
// and name, and what the page shows after each step is compared with what
// the native core shows after the same steps (web_reference). axe-core checks
// every state; screenshots go to QUILL_ARTIFACTS. Where the engine's driver
// cannot do a step, the test checks what the user sees instead and says so.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join } from 'node:path';
import { after, before, test as nodeTest } from 'node:test';
import { pathToFileURL } from 'node:url';
import { launch } from './browsers.mjs';

const engine = process.env.QUILL_BROWSER || 'chromium';
const pagePath = process.env.QUILL_WEB_PAGE;
const sitePath = process.env.QUILL_WEB_SITE;
const artifacts = process.env.QUILL_ARTIFACTS;
const pageUrl = pathToFileURL(pagePath).href;
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const listNames = ['Concept', 'Action', 'Object'];
const boxNames = ['Randomize Conventional vs Unconventional', 'Randomize Metaphor vs Simile',
  'Randomize Negative vs Positive'];
const choiceNames = [['Conventional', 'Unconventional'], ['Metaphor', 'Simile'], ['Negative', 'Positive']];
const evilLink = 'concept=Evil&action=Heals&object=War&figure=simile';
const LOOK = ['look'];
// A step that hangs fails its test after two minutes.
const test = (name, fn) => nodeTest(name, { timeout: 120_000 }, fn);

// One server for the plain http site (any address of the host quillmere.test,
// reached through the browser's proxy) and for the site as it is published
// (127.0.0.1, a secure origin), from whichever folder is being served.
const served = { folder: null };
const types = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json',
  '.png': 'image/png', '.txt': 'text/plain' };
const server = createServer((request, response) => {
  const url = new URL(request.url, `http://${request.headers.host}`);
  if (url.hostname === 'quillmere.test') {
    response.writeHead(200, { 'content-type': 'text/html' });
    return response.end(readFileSync(pagePath));
  }
  try {
    const file = join(served.folder, url.pathname === '/' ? 'index.html' : url.pathname);
    const body = readFileSync(file);
    response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream' });
    response.end(body);
  } catch (missing) {
    response.writeHead(404).end();
  }
});
let origin;
// The engine's browser in the light look or the dark one: one at a time, as
// two WebKit browsers on one display take the focus from each other.
let launched = null;
// What the engine's driver can do.
let can;
async function browser(colorScheme = 'light') {
  if (launched?.colorScheme !== colorScheme) {
    await launched?.browser.then((open) => open.close());
    launched = { colorScheme, browser: launch(engine, { colorScheme, proxy: origin }) };
  }
  return launched.browser;
}

before(async () => {
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  origin = `http://127.0.0.1:${server.address().port}`;
  ({ can } = await browser());
});
after(async () => {
  await launched?.browser.then((open) => open.close());
  server.close();
});

// The native core's answers, a line of JSON for each "look" or "say" step.
function reference(steps) {
  const input = steps.map((step) => step.join('\t')).join('\n') + '\n';
  const run = spawnSync(process.env.QUILL_WEB_REFERENCE, { input, encoding: 'utf8', maxBuffer: 1 << 26 });
  assert.equal(run.status, 0, run.stderr);
  return run.stdout.trim().split('\n').map((line) => JSON.parse(line));
}

// The page's main controls, found by role and name.
async function findControls(page) {
  const main = await page.find('main', '');
  const find = (role, name) => page.find(role, name, main);
  const c = { main, lists: [] };
  for (const name of listNames) c.lists.push(await find('combobox', name));
  for (const [key, role, name] of [['metaphor', 'radio', 'Metaphor'], ['simile', 'radio', 'Simile'],
    ['conventional', 'checkbox', 'Conventional'], ['generate', 'button', 'Generate'], ['auto', 'button', 'Auto Generate'],
    ['reset', 'button', 'Reset'], ['configure', 'button', 'Configure Auto'], ['copy', 'button', 'Copy'],
    ['copyAll', 'button', 'Copy All'], ['about', 'button', 'About'], ['sentence', 'status', 'Sentence'],
    ['note', 'status', 'Lists'], ['copying', 'status', 'Copying']]) c[key] = await find(role, name);
  return c;
}

// The settings' controls, found once they show.
async function settingsControls(page) {
  if (page.settings) return page.settings;
  const dialog = await page.find('dialog', 'Configure Auto');
  assert.ok(dialog, 'the settings show');
  const s = { dialog, boxes: [], pairs: [] };
  for (let mode = 0; mode < 3; ++mode) {
    s.boxes.push(await page.find('checkbox', boxNames[mode], dialog));
    s.pairs.push([await page.find('radio', choiceNames[mode][0], dialog), await page.find('radio', choiceNames[mode][1], dialog)]);
  }
  s.everything = await page.find('button', 'Randomize Everything', dialog);
  s.ok = await page.find('button', 'OK', dialog);
  page.settings = s;
  return s;
}

// A page of the engine's, at the address.
async function openAt(url, { viewport = { width: 1280, height: 800 }, colorScheme, page = null } = {}) {
  page ??= await (await browser(colorScheme)).open(viewport);
  await page.goto(url);
  Object.assign(page, { messages: [], copied: null, settings: null, c: await findControls(page) });
  return page;
}

// The one-file page freshly opened from disk, at the fragment, its clock at
// second 0 of a minute. A query of its own makes each opening a new load.
let openings = 0;
async function open(fragment = '', options = {}) {
  const page = await openAt(`${pageUrl}?${++openings}${fragment}`, options);
  await setClock(page, 0);
  return page;
}

// The clock the page reads, fixed at a second of a minute.
const setClock = (page, second) => page.evaluate((time) => { Date.now = () => time; },
  new Date(2026, 11, 8, 12, 0, second).getTime());

const focused = (page) => page.evaluate(() => {
  const element = document.activeElement;
  return (element.labels?.[0] ?? element).textContent.trim();
});
const text = (page, element) => page.evaluate((node) => node.textContent, element);
const messageUp = (page) => page.evaluate(() => Boolean(document.querySelector('dialog[role=alertdialog][open]')));

// The focus once it reaches the control of this name, as a dialog closing
// gives it back a moment after; where it is after two seconds if it does not.
async function focusReaches(page, name) {
  for (let waited = 0; waited < 2000 && (await focused(page)) !== name; waited += 20) await new Promise((r) => setTimeout(r, 20));
  return focused(page);
}

// Waits until the page's function answers true, for up to five seconds.
async function until(page, fn, ...args) {
  for (let waited = 0; waited < 5000; waited += 25) {
    if (await page.evaluate(fn, ...args)) return;
    await new Promise((r) => setTimeout(r, 25));
  }
  assert.fail(`never so: ${fn}`);
}

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
  await until(page, (status) => status.textContent.startsWith('Copied'), page.c.copying);
  page.copied = can.readClipboard ? await page.evaluate(() => navigator.clipboard.readText()) : await text(page, page.c.copying);
}

async function pick(page, list, position) {
  await page.evaluate((select, at) => {
    select.selectedIndex = at;
    select.dispatchEvent(new Event('input', { bubbles: true }));
    select.dispatchEvent(new Event('change', { bubbles: true }));
  }, page.c.lists[list], position);
}
const positionOf = (page, list, word) => page.evaluate((select, label) => [...select.options].findIndex((o) => o.text === label), page.c.lists[list], word);

async function act(page, [verb, ...args]) {
  const c = page.c;
  switch (verb) {
    case 'fresh': return;
    case 'pick': await pick(page, args[0], args[1] ? await positionOf(page, args[0], args[1]) : 0); break;
    case 'pick-at': await pick(page, args[0], Number(args[1])); break;
    case 'figure': await page.click(args[0] === 0 ? c.metaphor : c.simile); break;
    case 'conventional': await page.click(c.conventional); break;
    case 'generate': await page.click(c.generate); break;
    case 'auto': await page.click(c.auto); break;
    case 'reset': await page.click(c.reset); break;
    case 'copy': await copy(page, c.copy); break;
    case 'copy-all': await copy(page, c.copyAll); break;
    case 'clock': await setClock(page, args[0]); break;
    case 'settings': await page.click(c.configure); break;
    case 'box': await page.click((await settingsControls(page)).boxes[args[0]]); break;
    case 'choice': await page.click((await settingsControls(page)).pairs[args[0]][args[1]]); break;
    case 'everything': await page.click((await settingsControls(page)).everything); break;
    case 'ok': await page.click((await settingsControls(page)).ok); break;
    case 'link': await page.evaluate((fragment) => new Promise((done) => {
      addEventListener('hashchange', () => setTimeout(done), { once: true });
      location.hash = fragment;
    }), args[0]); break;
    default: throw new Error(`unknown step ${verb}`);
  }
  await takeMessages(page);
}

async function say(page) {
  return { output: await text(page, page.c.sentence), messages: page.messages.splice(0) };
}

async function look(page) {
  const c = page.c;
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

// What the user sees of a copy where the clipboard cannot be read: "Copied",
// or "Copied N sentences" for several.
function copiedSaid(clipboard) {
  const sentences = clipboard.split('\n').length;
  return sentences === 1 ? 'Copied' : `Copied ${sentences} sentences`;
}

// Runs the steps on the page, a fresh page at each "fresh", and compares every
// "look" and "say" with the native core's.
async function compare(steps, page = null) {
  const expected = reference(steps);
  const seen = [];
  for (const step of steps) {
    if (step[0] === 'fresh' || !page) page = await open('', { page });
    if (step[0] === 'look') seen.push(await look(page));
    else if (step[0] === 'say') seen.push(await say(page));
    else await act(page, step);
  }
  for (const state of expected) {
    if (state.clipboard) state.clipboard = state.clipboard.replaceAll('\r\n', '\n');
    if (state.clipboard && !can.readClipboard) state.clipboard = copiedSaid(state.clipboard);
  }
  assert.deepEqual(seen, expected);
  assert.deepEqual(await page.problems(), []);
  return page;
}

// axe-core's findings on the page as it stands: WCAG 2.2 A and AA, and best practice.
async function axeFindings(page) {
  if (!await page.evaluate(() => Boolean(window.axe))) await page.evaluate(axeSource);
  const violations = await page.evaluate(() => window.axe.run(document, {
    runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'], resultTypes: ['violations'],
  }).then((results) => results.violations.map((found) => `${found.id}: ${found.nodes.map((node) => node.target.join(' ')).join(', ')}`)));
  return violations;
}

test('every control is there under its role and name, the concept list has the focus and About is the program\'s', async () => {
  const page = await open();
  assert.equal(await focusReaches(page, 'Concept'), 'Concept');
  for (const [key, found] of Object.entries(page.c)) assert.ok(key === 'lists' ? found.every(Boolean) : found, key);
  await page.click(page.c.configure);
  const s = await settingsControls(page);
  assert.ok([...s.boxes, ...s.pairs.flat(), s.everything, s.ok].every(Boolean), 'every control of the settings');

  await page.click(page.c.about);
  const about = await page.find('dialog', 'About Quillmere');
  assert.match(await text(page, about), /Quillmere Version 1\.0[\s\S]*Copyright \(C\) 2026 Quillmere[\s\S]*MIT License/);
  const site = await page.find('link', 'Visit the Web Site', about);
  assert.deepEqual(await page.evaluate((a) => [a.target, a.protocol], site), ['_blank', 'https:']);
  assert.equal(await focused(page), 'OK');
  // Ctrl+C while About is up copies no sentence: the form waits behind it.
  await page.press('Control+c');
  await new Promise((r) => setTimeout(r, 200));
  assert.equal(await text(page, page.c.copying), '');
  await page.press('Escape');
  assert.equal(await page.find('dialog', 'About Quillmere'), null);
  assert.equal(await focusReaches(page, 'About'), 'About', 'the focus goes back where it was');
  // About blocks the form and not the settings.
  await page.click(page.c.about);
  await page.click(s.boxes[2]);
  assert.equal(await page.evaluate((box) => box.checked, s.boxes[2]), false);
  await page.click(await page.find('button', 'OK', await page.find('dialog', 'About Quillmere')));
  assert.equal(await page.find('dialog', 'About Quillmere'), null);
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

test('narrowing, Reset, Conventional and the messages are the native core\'s', async () => {
  const page = await compare([
    ['fresh'], LOOK, ['pick', 0, 'Evil'], LOOK, ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['figure', 1],
    ['generate'], LOOK, ['pick', 0, 'Murder'], LOOK, ['pick', 1, ''], ['generate'], LOOK, ['figure', 0],
    ['reset'], LOOK, ['pick', 2, 'War'], ['pick', 2, ''], LOOK,
    ['fresh'], ['conventional'], LOOK, ['pick', 1, 'Heals'], LOOK, ['reset'], ['pick', 2, 'Garden'], LOOK,
    ['pick', 1, 'Kills'], LOOK, ['conventional'], LOOK, ['generate'], LOOK,
    ['fresh'], ['pick', 1, 'Kills'], LOOK, ['pick', 0, 'Hate'], ['pick', 2, 'Parathion'], ['generate'], LOOK,
  ]);
  await page.close();
});

test('Auto Generate at a fixed second, the settings and copying are the native core\'s', async (t) => {
  const page = await compare([
    ['fresh'], ['clock', 17], ['auto'], LOOK, ['auto'], LOOK, ['clock', 0], ['auto'], LOOK,
    ['settings'], LOOK, ['box', 0], ['choice', 0, 1], LOOK, ['clock', 42], ['auto'], LOOK,
    ['box', 2], ['choice', 2, 1], ['box', 1], ['choice', 1, 1], ['auto'], LOOK, ['everything'], LOOK,
    ['settings'], LOOK, ['ok'], LOOK, ['settings'], LOOK, ['auto'], ['copy'], LOOK,
    ['auto'], ['auto'], ['copy-all'], LOOK,
    ['fresh'], ['clock', 59], ['auto'], ['auto'], ['copy'], LOOK, ['generate'], ['copy-all'], LOOK,
  ]);
  // Ctrl+C takes the sentence, unless some text on the page is selected.
  if (!can.readClipboard) {
    t.diagnostic(`${engine}: the driver cannot read the clipboard; Ctrl+C is checked by the page saying "Copied"`);
    await until(page, (status) => status.textContent === '', page.c.copying);
    await page.press('Control+c');
    await until(page, (status) => status.textContent === 'Copied', page.c.copying);
  } else {
    await page.evaluate(() => navigator.clipboard.writeText('something else'));
    await page.press('Control+c');
    await until(page, (status) => status.textContent === 'Copied', page.c.copying);
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), await text(page, page.c.sentence));
    await page.evaluate(() => getSelection().selectAllChildren(document.querySelector('h1')));
    await page.press('Control+c');
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'Quillmere');
  }
  await page.close();
});

// The Windows settings window is no child of the main window: a message over
// the form leaves it usable, by mouse and keyboard and for a screen reader,
// and what changes there reaches Auto Generate.
test('the settings stay in everyone\'s reach while a message is up, and Enter in them is OK', async () => {
  const steps = [['fresh'], ['settings'], ['generate'], ['box', 1], ['choice', 1, 1], ['box', 2], ['clock', 31], ['auto'], LOOK];
  const [expected] = reference(steps);
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
  // By keyboard alone: Tab goes on from the message to the settings, and
  // Shift+Tab back.
  const tabTo = async (key, name) => {
    for (let i = 0; i < 12 && await focused(page) !== name; ++i) await page.press(key);
    return focused(page);
  };
  assert.equal(await tabTo('Tab', boxNames[2]), boxNames[2]);
  await page.press(' ');
  assert.equal(await tabTo('Shift+Tab', 'OK'), 'OK');
  await takeMessages(page);
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
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

// In the page itself, for speed: the controls are found by role and name, and
// worked there as the user works them, firing the same events.
test('every word of every list in both figures gives the native core\'s sentence', async () => {
  const page = await open();
  const runs = [];
  const steps = [];
  for (let index = 0; index < 3; ++index) {
    const words = new Set(await page.evaluate((select) => [...select.options].map((o) => o.text), page.c.lists[index]));
    words.delete('');
    for (const word of words) {
      for (const figure of [0, 1]) {
        runs.push([index, word, figure]);
        steps.push(['reset'], ['figure', figure], ['pick', index, word]);
        for (const other of [0, 1, 2]) if (other !== index) steps.push(['pick-at', other, 1]);
        steps.push(['generate'], ['say']);
      }
    }
  }
  const c = page.c;
  const seen = await page.evaluate((lists, figures, generate, reset, output, runs) => {
    const choose = (select, position) => {
      select.selectedIndex = position;
      select.dispatchEvent(new Event('change'));
    };
    return runs.map(([index, word, figure]) => {
      reset.click();
      figures[figure].click();
      choose(lists[index], [...lists[index].options].findIndex((option) => option.text === word));
      lists.forEach((other, at) => { if (at !== index) choose(other, 1); });
      generate.click();
      return { output: output.textContent, messages: [] };
    });
  }, c.lists, [c.metaphor, c.simile], c.generate, c.reset, c.sentence, runs);
  assert.equal(await messageUp(page), false, 'no message came');
  assert.deepEqual(seen, reference(steps));
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

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
  page = await open('', { page });
  await focusReaches(page, 'Concept');
  const concepts = await page.evaluate((select) => select.options.length, page.c.lists[0]);
  const visited = new Set();
  for (let i = 0; i < concepts; ++i) {
    await page.press('ArrowDown');
    visited.add(await page.evaluate((select) => select.value, page.c.lists[0]));
  }
  assert.equal(visited.size, concepts - 1, 'every concept, from the blank entry down');
  assert.equal(await text(page, page.c.note), '', 'nothing narrowed while browsing');

  // Each way of committing, alone: Enter, Tab, an access key, Ctrl+C, and a
  // link typed into the address that is none; each narrows the lists as the
  // word picked with the mouse does.
  const [negative] = reference([['pick', 0, 'Evil'], LOOK]);
  const [positive] = reference([['pick', 0, 'Joy'], LOOK]);
  const ways = [['Evil', 'Enter', negative], ['Joy', 'Tab', positive], ['Evil', 'access key', negative],
    ['Joy', 'Control+c', positive], ['Evil', 'address', negative]];
  for (const [word, how, expected] of ways) {
    page = await open('', { page });
    await focusReaches(page, 'Concept');
    await page.type(word);
    assert.equal(await text(page, page.c.note), '', `${how}: nothing narrowed before`);
    if (how === 'access key') await page.accessKey('g');
    else if (how === 'address') await act(page, ['link', 'concept=nothing']);
    else await page.press(how);
    await takeMessages(page);
    const { lists, note } = await look(page);
    assert.deepEqual({ lists, note }, { lists: expected.lists, note: expected.note }, how);
  }

  // A sentence by keyboard alone, said once.
  page = await open('', { page });
  await focusReaches(page, 'Concept');
  await page.evaluate((note) => {
    window.heard = [];
    new MutationObserver(() => window.heard.push(note.textContent)).observe(note, { childList: true, characterData: true, subtree: true });
  }, page.c.note);
  await page.type('Evil');
  await page.press('Tab');
  const actions = await page.evaluate((select) => [...select.options].map((o) => o.text), page.c.lists[1]);
  for (let i = 0; i < actions.indexOf('Wounds'); ++i) await page.press('ArrowDown');
  await page.press('Tab');
  await page.type('War');
  await page.accessKey('g');
  const [picked] = reference([['pick', 0, 'Evil'], ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['generate'], LOOK]);
  assert.deepEqual(await look(page), picked, 'as the same words picked with the mouse');
  assert.deepEqual(await page.evaluate(() => window.heard), [picked.note], 'what changed, said once');

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
  const [drawn] = reference([['pick', 0, 'Evil'], ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['generate'], ['reset'],
    ['generate'], ['figure', 1], ['auto'], LOOK]);
  const state = await look(page);
  assert.equal(state.output, drawn.output);
  assert.deepEqual(state.selected, drawn.selected);
  assert.deepEqual(await page.problems(), []);
  await page.close();
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
  const hash = async () => new URL(await page.url()).hash;
  await until(page, () => location.hash === '#concept=Evil&action=Heals&object=War&figure=metaphor');

  // An address the browser refuses to rewrite leaves the page working, and
  // the address catches up once it may.
  await page.evaluate(() => {
    window.replaceState = history.replaceState;
    history.replaceState = () => { throw new DOMException('too often', 'SecurityError'); };
  });
  await act(page, ['figure', 1]);
  await act(page, ['generate']);
  assert.equal(await text(page, page.c.sentence), 'Evil is like a healing war.');
  await page.evaluate(() => { history.replaceState = window.replaceState; });
  await until(page, (link) => location.hash === `#${link}`, evilLink);

  // A link typed into the address of the open page, while an earlier pick narrows the lists.
  const typed = 'concept=Meter%20Maid&action=Consumes&object=Fire&figure=metaphor';
  await compare([['fresh'], ['pick', 0, 'Joy'], ['link', typed], LOOK, ['link', evilLink.replace('War', 'Garden')], LOOK], page);

  // An address that is no link opens a fresh page and leaves no bare "#";
  // one of a megabyte (as long as Firefox lets one be) set from a script is
  // no link either, and the page goes on.
  const [fresh] = reference([LOOK]);
  for (const fragment of ['#', '#%']) {
    page = await open(fragment, { page });
    assert.deepEqual(await look(page), fresh, fragment);
    await until(page, () => !location.href.includes('#'));
  }
  assert.equal(await hash(), '');
  await page.evaluate(() => { location.hash = `concept=${'E'.repeat(1e6)}`; });
  await act(page, ['pick', 0, 'Evil']);
  assert.equal((await look(page)).lists[0].length, 33);
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

test('a long session keeps the last 10,000 sentences for Copy All and never runs out of memory', async () => {
  const page = await open();
  await act(page, ['pick', 0, 'Evil']);
  await act(page, ['pick', 1, 'Wounds']);
  await act(page, ['pick', 2, 'War']);
  const c = page.c;
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
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

test('copying says what it did, works on a plain http site keeping the focus, and says so when the browser refuses', async (t) => {
  const page = await openAt(`http://quillmere.test/#${evilLink}`);
  assert.equal(await page.evaluate(() => isSecureContext), false, 'a plain http site, where the browser has no clipboard API');
  await page.evaluate((button) => button.focus(), page.c.copy);
  await page.press('Enter');
  await until(page, (status) => status.textContent === 'Copied', page.c.copying);
  assert.equal(await focused(page), 'Copy', 'the focus stays where it was');
  if (can.readClipboard) {
    const reader = await open();
    assert.equal(await reader.evaluate(() => navigator.clipboard.readText()), 'Evil is like a healing war.');
    await reader.close();
  } else {
    t.diagnostic(`${engine}: the driver cannot read the clipboard; the copy is checked by the page saying "Copied"`);
  }
  assert.deepEqual(await page.problems(), []);

  await page.evaluate(() => { document.execCommand = () => false; });
  await page.click(page.c.copyAll);
  await until(page, (status) => status.textContent.includes('did not let'), page.c.copying);
  assert.match(await text(page, page.c.copying), /Select the sentence and copy it yourself/);
  await page.close();
});

test('Share, where the browser offers it, shares the sentence and its link; cancelled, it says nothing', async () => {
  const page = await open(`#${evilLink}`);
  assert.equal(await page.find('button', 'Share', page.c.main), null, 'no Share where the browser has none');
  await page.evaluate(() => {
    window.shared = [];
    navigator.share = (data) => {
      window.shared.push(data);
      return window.shared.length > 1 ? Promise.reject(new DOMException('cancelled', 'AbortError')) : Promise.resolve();
    };
  });
  await act(page, ['generate']);
  const share = await page.find('button', 'Share', page.c.main);
  assert.ok(share, 'Share beside Copy');
  await page.click(share);
  await page.click(share);
  const url = pageUrl + `?${openings}#${evilLink}`;
  assert.deepEqual(await page.evaluate(() => window.shared), [1, 2].map(() => ({ text: 'Evil is like a healing war.', url })));
  assert.deepEqual([await text(page, page.c.copying), await messageUp(page)], ['', false]);
  assert.deepEqual(await page.problems(), []);
  await page.close();
});

test('with scripts off the page says it needs them', async (t) => {
  if (!can.turnScriptsOff) return t.diagnostic(`${engine}: the driver cannot turn scripts off; checked in Chromium`);
  const page = await (await browser()).open({ scripts: false });
  await page.goto(pageUrl);
  const said = await page.evaluate(() => [...document.querySelectorAll('p')].some((p) => p.textContent.includes('needs JavaScript') && p.offsetParent));
  assert.equal(said, true);
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
// At a phone's width and a desktop's, light and dark.
const looks = ['light', 'dark'].flatMap((colorScheme) => [[360, 640], [1280, 800]].map((viewport) => [viewport, colorScheme]));

test('axe finds nothing in any state, at 360 and 1280 pixels, light and dark', async () => {
  const found = [];
  for (const [[width, height], colorScheme] of looks) {
    const page = await open('', { viewport: { width, height }, colorScheme });
    for (const [name, reach] of Object.entries(states)) {
      await reach(page);
      for (const finding of await axeFindings(page)) found.push(`${width} ${colorScheme} ${name}: ${finding}`);
    }
    await page.close();
  }
  assert.deepEqual(found, []);
});

// The contrast of control edges and states, which axe does not measure: each
// against the colour behind it, at least 3:1 (WCAG 2.2, 1.4.11). The focus
// ring of every control the keyboard reaches, as Tab reaches it.
test('every control\'s edge and every state of it stands 3:1 against its surroundings, light and dark', async () => {
  for (const colorScheme of ['light', 'dark']) {
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
  const controls = [...document.querySelectorAll('select, button, input, a[href]')]
    .filter((element) => element.offsetParent && !element.closest('[inert]'));
  for (const element of controls) {
    const style = getComputedStyle(element);
    if (!element.matches('a')) check(element, 'edge', ratio(style.borderTopColor, behind(element)));
    if (element.matches(':checked')) check(element, 'checked mark', ratio(style.backgroundColor, behind(element)));
  }
  return found;
}

test('on a phone: 44-pixel targets, the sentence on screen after Generate, the largest text, Generate the primary button', async () => {
  const page = await open('', { viewport: { width: 360, height: 640 } });
  await act(page, ['settings']);
  await act(page, ['pick', 0, 'Unipolar Mania Disorder']);
  await act(page, ['pick', 1, 'Provides For']);
  await act(page, ['pick', 2, 'Bullish Stock Market Trends']);
  const small = await page.evaluate(() => [...document.querySelectorAll('select, button, input, a[href]')]
    .filter((element) => element.offsetParent)
    .map((element) => [element, (element.closest('label') ?? element).getBoundingClientRect()])
    .filter(([, box]) => box.width < 44 || box.height < 44)
    .map(([element, box]) => `${element.outerHTML.slice(0, 50)} ${box.width}x${box.height}`));
  assert.deepEqual(small, []);

  await page.evaluate(() => scrollTo(0, 0));
  await page.click(page.c.generate);
  const shown = await page.evaluate((output) => {
    const box = output.getBoundingClientRect();
    const size = (element) => parseFloat(getComputedStyle(element).fontSize);
    const larger = [...document.querySelectorAll('body *')]
      .filter((element) => element !== output && element.offsetParent && [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim()))
      .filter((element) => size(element) >= size(output));
    return { top: box.top, bottom: box.bottom, scrolled: scrollY, height: innerHeight, larger: larger.map((element) => element.outerHTML.slice(0, 40)) };
  }, page.c.sentence);
  assert.equal(shown.scrolled, 0);
  assert.ok(shown.top >= 0 && shown.bottom <= shown.height, `the sentence lies at ${shown.top}..${shown.bottom} of ${shown.height}`);
  assert.deepEqual(shown.larger, [], 'no text as large as the sentence');
  const primary = await page.evaluate((main) => {
    const buttons = [...main.querySelectorAll('button')].map((button) => [button.textContent, getComputedStyle(button).backgroundColor]);
    return buttons.filter(([, color]) => color !== buttons.at(-1)[1]).map(([name]) => name);
  }, page.c.main);
  assert.deepEqual(primary, ['Generate'], 'Generate alone stands out');
  await page.close();
});

test('the settings never scroll inside the page, at 640 x 360 and at 200 % zoom, and open where the user looks', async (t) => {
  const sizes = [[640, 360, 1]];
  if (can.scale) sizes.push([640, 400, 2]);
  else t.diagnostic(`${engine}: the driver cannot zoom; 200 % is checked in Chromium`);
  for (const [width, height, scale] of sizes) {
    const page = await open('', { viewport: { width, height, scale } });
    await page.click(page.c.configure);
    const s = await settingsControls(page);
    const panel = await page.evaluate((dialog) => [dialog.scrollHeight, dialog.clientHeight], s.dialog);
    assert.ok(panel[0] <= panel[1] + 1, `${width} x ${height}: ${panel[0]} px of settings in a ${panel[1]} px box`);
    assert.equal(await focused(page), 'Randomize Everything');
    assert.ok(await page.evaluate((button) => {
      const box = button.getBoundingClientRect();
      return box.top >= 0 && box.bottom <= innerHeight;
    }, s.everything), 'the panel\'s first control is on screen');
    assert.deepEqual(await page.problems(), []);
    await page.close();
  }
});

test('screenshots: phone, tablet and desktop, light and dark, each dialog, nothing cut off', async () => {
  mkdirSync(artifacts, { recursive: true });
  const sizes = { phone: [360, 640], tablet: [768, 1024], desktop: [1280, 800] };
  const long = '#concept=Unipolar%20Mania%20Disorder&action=Provides%20For&object=Bullish%20Stock%20Market%20Trends&figure=metaphor';
  for (const colorScheme of ['light', 'dark']) {
    for (const [size, [width, height]] of Object.entries(sizes)) {
      const page = await open(long, { viewport: { width, height }, colorScheme });
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
      assert.equal(overflow, 0, `${size} scrolls sideways by ${overflow}`);
      for (const [name, reach] of Object.entries({ sentence: states.start, settings: states.settings, message: states.message, about: states.about })) {
        await reach(page);
        await page.screenshot(`${artifacts}/${engine}-${size}-${colorScheme}-${name}.png`, name === 'settings');
      }
      assert.deepEqual(await page.problems(), []);
      await page.close();
    }
  }
});

// The published site, from 127.0.0.1: installable, its worker in control
// after a reload, open with the server gone, and a newer build taking over
// at the next visit.
test('the site installs, opens offline and updates itself at the next visit', async (t) => {
  served.folder = sitePath;
  let page = await openAt(`${origin}/`);
  if (!await page.evaluate(() => 'serviceWorker' in navigator && isSecureContext)) {
    t.diagnostic(`${engine}: no service workers in the driver's sessions; the site is checked as a page`);
  }
  const ready = () => navigator.serviceWorker.ready.then(() => true);
  await page.evaluate(ready);
  if (can.devTools) {
    const { installabilityErrors } = await page.cdp('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, [], 'Chromium can install it');
    await page.cdp('Emulation.setEmulatedMedia', { features: [{ name: 'display-mode', value: 'standalone' }] });
    await page.screenshot(`${artifacts}/${engine}-site-installed.png`);
  }
  page = await openAt(`${origin}/`, { page });
  assert.equal(await page.evaluate(() => Boolean(navigator.serviceWorker.controller)), true, 'the worker controls the page');
  const [version] = await page.evaluate(() => caches.keys());

  // A newer build: a page that differs, and the site made of it by the
  // build's own step.
  const newer = join(artifacts, `${engine}-site-newer`);
  const newerPage = join(artifacts, `${engine}-newer.html`);
  writeFileSync(newerPage, readFileSync(pagePath, 'utf8').replace('<h1>Quillmere</h1>', '<h1>Quillmere</h1><!--newer-->'));
  const made = spawnSync(process.env.QUILL_CMAKE, [`-DPAGE=${newerPage}`, `-DICONS=${process.env.QUILL_SITE_ICONS}`,
    `-DOUT=${newer}`, '-P', process.env.QUILL_SITE_SCRIPT], { encoding: 'utf8' });
  assert.equal(made.status, 0, made.stderr);
  served.folder = newer;
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((registration) => registration.update()));
  await until(page, () => navigator.serviceWorker.getRegistration().then((registration) => Boolean(registration.waiting)));
  assert.doesNotMatch(await page.evaluate(() => document.body.innerHTML), /<!--newer-->/, 'the open page keeps its build');
  await page.close();
  page = await openAt(`${origin}/?next-visit`);
  assert.match(await page.evaluate(() => document.body.innerHTML), /<!--newer-->/, 'the newer build at the next visit');
  assert.deepEqual((await page.evaluate(() => caches.keys())).includes(version), false, 'the old cache is gone');

  // The server stopped: the page and its start URL still open and make sentences.
  await new Promise((closed) => {
    server.close(closed);
    server.closeAllConnections();
  });
  try {
    for (const path of ['/', '/index.html?offline']) {
      page = await openAt(`${origin}${path}`, { page });
      await act(page, ['pick', 0, 'Evil']);
      await act(page, ['pick', 1, 'Wounds']);
      await act(page, ['pick', 2, 'War']);
      await act(page, ['generate']);
      assert.equal(await text(page, page.c.sentence), 'Wounding evil is a war.', path);
    }
    assert.deepEqual((await page.problems()).filter((problem) => !problem.startsWith(`request: ${origin}`)), []);
  } finally {
    await new Promise((listening) => server.listen(Number(new URL(origin).port), '127.0.0.1', listening));
  }
  await page.close();
});
