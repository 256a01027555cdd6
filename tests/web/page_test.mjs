// The web edition in Debian's Chromium, driven as a person drives it: every
// control is found by its role and name, and what the page shows after each
// step is compared with what the native core shows after the same steps
// (web_reference). axe-core checks every state; screenshots go to
// QUILL_ARTIFACTS.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const pagePath = process.env.QUILL_WEB_PAGE || '';
const pageUrl = pathToFileURL(pagePath).href;
const artifacts = process.env.QUILL_ARTIFACTS;
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const listNames = ['Concept', 'Action', 'Object'];
const boxNames = ['Randomize Conventional vs Unconventional', 'Randomize Metaphor vs Simile',
  'Randomize Negative vs Positive'];
const choiceNames = [['Conventional', 'Unconventional'], ['Metaphor', 'Simile'], ['Negative', 'Positive']];
const evilLink = 'concept=Evil&action=Heals&object=War&figure=simile';

let browser;
let context;
let openings = 0;
const requests = [];

before(async () => {
  assert.ok(existsSync(pagePath), 'build the page first: cmake --preset web && cmake --build --preset web');
  browser = await chromium.launch({
    executablePath: process.env.QUILL_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--host-resolver-rules=MAP quillmere.test 127.0.0.1'],
  });
  context = await browser.newContext();
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  // Nothing may leave the page's own file: anything else is stopped and noted.
  context.on('request', (request) => { if (request.url().split(/[?#]/)[0] !== pageUrl) requests.push(request.url()); });
  await context.route(/^(?!file:)/, (route) => route.abort());
});

after(() => browser?.close());

// The native core's answers, a line of JSON for each "look" or "say" step.
function reference(steps) {
  const input = steps.map((step) => step.join('\t')).join('\n') + '\n';
  const run = spawnSync(process.env.QUILL_WEB_REFERENCE, { input, encoding: 'utf8', maxBuffer: 1 << 26 });
  assert.equal(run.status, 0, run.stderr);
  return run.stdout.trim().split('\n').map((line) => JSON.parse(line));
}

// Notes what the page says on its console and every error it throws.
function watch(page) {
  page.problems = [];
  page.on('console', (message) => page.problems.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => page.problems.push(`error: ${error.message}`));
  return page;
}

// The page freshly opened at the address, in a new tab or the one given, at
// second 0 of a minute.
async function open(fragment = '', { page = null, viewport = { width: 1280, height: 800 } } = {}) {
  if (!page) {
    page = watch(await context.newPage());
    await page.setViewportSize(viewport);
  }
  Object.assign(page, { messages: [], copied: null });
  page.problems.length = 0;
  await page.clock.setFixedTime(new Date(2026, 11, 8, 12, 0, 0));
  // A query of its own makes each opening a new load, not a move within the
  // page; the engine has filled the lists by the time the page has loaded.
  await page.goto(`${pageUrl}?${++openings}${fragment}`);
  return page;
}

// A key with Alt, as the keyboard delivers it: the browser takes access keys
// from the character it types.
async function accessKey(page, letter) {
  const cdp = await page.context().newCDPSession(page);
  const key = { modifiers: 1, key: letter, code: `Key${letter.toUpperCase()}`, unmodifiedText: letter,
    windowsVirtualKeyCode: letter.toUpperCase().charCodeAt(0) };
  for (const type of ['rawKeyDown', 'char', 'keyUp']) {
    await cdp.send('Input.dispatchKeyEvent', { ...key, type, text: type === 'char' ? letter : undefined });
  }
  await cdp.detach();
}

const main = (page) => page.getByRole('main');
const settings = (page) => page.getByRole('dialog', { name: 'Configure Auto' });
const messageBox = (page) => page.getByRole('alertdialog', { name: 'Quillmere' });
const aboutBox = (page) => page.getByRole('dialog', { name: 'About Quillmere' });
const control = (scope, role, name) => scope.getByRole(role, { name, exact: true });
const list = (page, index) => main(page).getByRole('combobox', { name: listNames[index] });
const sentence = (page) => main(page).getByRole('status', { name: 'Sentence' });
const listNote = (page) => main(page).getByRole('status', { name: 'Lists' });
const copyStatus = (page) => main(page).getByRole('status', { name: 'Copying' });
const clipboard = (page) => page.evaluate(() => navigator.clipboard.readText());
// What has the focus, by its label or its text.
const focused = (page) => page.evaluate(() => {
  const element = document.activeElement;
  return (element.labels?.[0] ?? element).textContent.trim();
});

// The focus once it reaches the control of this name, as a dialog closing
// gives it back a moment after; where it is after two seconds if it does not.
async function focusReaches(page, name) {
  for (let waited = 0; waited < 2000 && (await focused(page)) !== name; waited += 20) await page.waitForTimeout(20);
  return focused(page);
}

// Closes every message the page shows, noting each, now with OK, now with Esc.
async function takeMessages(page) {
  while (await messageBox(page).isVisible()) {
    page.messages.push(await messageBox(page).locator('p').textContent());
    if (page.messages.length % 2) await control(messageBox(page), 'button', 'OK').click();
    else await page.keyboard.press('Escape');
  }
}

// Copy or Copy All, and what it put on the clipboard once it says it did.
async function copy(page, name) {
  await control(main(page), 'button', name).click();
  await copyStatus(page).filter({ hasText: /Copied/ }).waitFor();
  page.copied = await clipboard(page);
}

async function act(page, [verb, ...args]) {
  const button = (name) => control(main(page), 'button', name).click();
  switch (verb) {
    case 'fresh': return;
    case 'pick': await list(page, args[0]).selectOption(args[1] ? { label: args[1] } : { index: 0 }); break;
    case 'pick-at': await list(page, args[0]).selectOption({ index: Number(args[1]) }); break;
    case 'figure': await control(main(page), 'radio', args[0] === 0 ? 'Metaphor' : 'Simile').check(); break;
    case 'conventional': await control(main(page), 'checkbox', 'Conventional').click(); break;
    case 'generate': await button('Generate'); break;
    case 'auto': await button('Auto Generate'); break;
    case 'reset': await button('Reset'); break;
    case 'copy': await copy(page, 'Copy'); break;
    case 'copy-all': await copy(page, 'Copy All'); break;
    case 'clock': await page.clock.setFixedTime(new Date(2026, 11, 8, 12, 0, args[0])); break;
    case 'settings': await button('Configure Auto'); break;
    case 'box': await control(settings(page), 'checkbox', boxNames[args[0]]).click(); break;
    case 'choice': await control(settings(page), 'radio', choiceNames[args[0]][args[1]]).check(); break;
    case 'everything': await control(settings(page), 'button', 'Randomize Everything').click(); break;
    case 'ok': await control(settings(page), 'button', 'OK').click(); break;
    case 'link': await page.evaluate((fragment) => new Promise((done) => {
      addEventListener('hashchange', () => setTimeout(done), { once: true });
      location.hash = fragment;
    }), args[0]); break;
    default: throw new Error(`unknown step ${verb}`);
  }
  await takeMessages(page);
}

async function say(page) {
  return { output: await sentence(page).textContent(), messages: page.messages.splice(0) };
}

async function look(page) {
  const state = { lists: [], selected: [] };
  for (let index = 0; index < 3; ++index) {
    state.lists.push(await list(page, index).locator('option').allTextContents());
    state.selected.push(await list(page, index).evaluate((select) => select.selectedIndex));
  }
  const checked = (name) => control(main(page), 'radio', name).isChecked();
  state.figure = (await checked('Metaphor')) ? 0 : (await checked('Simile')) ? 1 : -1;
  state.conventional = await control(main(page), 'checkbox', 'Conventional').isChecked();
  state.note = await listNote(page).textContent();
  Object.assign(state, await say(page));
  state.clipboard = page.copied ?? null;
  state.settings = null;
  if (await settings(page).isVisible()) {
    state.settings = { boxes: [], choices: [], enabled: [] };
    for (let mode = 0; mode < 3; ++mode) {
      const pair = choiceNames[mode].map((name) => control(settings(page), 'radio', name));
      state.settings.boxes.push(await control(settings(page), 'checkbox', boxNames[mode]).isChecked());
      state.settings.choices.push((await pair[0].isChecked()) ? 0 : (await pair[1].isChecked()) ? 1 : -1);
      state.settings.enabled.push(await pair[0].isEnabled());
    }
  }
  return state;
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
  for (const state of expected) if (state.clipboard) state.clipboard = state.clipboard.replaceAll('\r\n', '\n');
  assert.deepEqual(seen, expected);
  assert.deepEqual(page.problems, []);
  return page;
}

// axe-core's findings on the page as it stands: WCAG 2.2 A and AA, and best practice.
async function axeFindings(page) {
  await page.evaluate(axeSource);
  const { violations } = await page.evaluate(() => window.axe.run(document, {
    runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'], resultTypes: ['violations'],
  }));
  return violations.map((found) => `${found.id}: ${found.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

const LOOK = ['look'];

test('every control is there under its role and name, the concept list has the focus and About is the program\'s', async () => {
  const page = await open();
  assert.equal(await focusReaches(page, 'Concept'), 'Concept');
  for (let index = 0; index < 3; ++index) assert.equal(await list(page, index).count(), 1, listNames[index]);
  for (const name of ['Metaphor', 'Simile']) assert.equal(await control(main(page), 'radio', name).count(), 1, name);
  assert.equal(await control(main(page), 'checkbox', 'Conventional').count(), 1);
  for (const name of ['Generate', 'Auto Generate', 'Reset', 'Configure Auto', 'About', 'Copy', 'Copy All']) {
    assert.equal(await control(main(page), 'button', name).count(), 1, name);
  }
  for (const status of [sentence(page), listNote(page), copyStatus(page)]) assert.equal(await status.count(), 1);

  await control(main(page), 'button', 'Configure Auto').click();
  for (const name of [...boxNames, ...choiceNames.flat()]) {
    const role = boxNames.includes(name) ? 'checkbox' : 'radio';
    assert.equal(await control(settings(page), role, name).count(), 1, name);
  }
  for (const name of ['Randomize Everything', 'OK']) assert.equal(await control(settings(page), 'button', name).count(), 1);

  await control(main(page), 'button', 'About').click();
  assert.match(await aboutBox(page).textContent(), /Quillmere Version 1\.0[\s\S]*Copyright \(C\) 2026 Quillmere[\s\S]*MIT License/);
  const site = control(aboutBox(page), 'link', 'Visit the Web Site');
  assert.equal(await site.getAttribute('target'), '_blank');
  assert.match(await site.getAttribute('href'), /^https:\/\//);
  assert.equal(await focused(page), 'OK');
  // Ctrl+C while About is up copies no sentence: the form waits behind it.
  await page.evaluate(() => navigator.clipboard.writeText('before'));
  await page.keyboard.press('Control+c');
  assert.equal(await clipboard(page), 'before');
  await page.keyboard.press('Escape');
  assert.equal(await aboutBox(page).isVisible(), false);
  assert.equal(await focusReaches(page, 'About'), 'About');
  // About blocks the form and not the settings.
  await control(main(page), 'button', 'About').click();
  await control(settings(page), 'checkbox', boxNames[2]).click();
  assert.equal(await control(settings(page), 'checkbox', boxNames[2]).isChecked(), false);
  await control(aboutBox(page), 'button', 'OK').click();
  assert.equal(await aboutBox(page).isVisible(), false);
  assert.deepEqual(page.problems, []);
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

test('Auto Generate at a fixed second, the settings and copying are the native core\'s', async () => {
  const page = await compare([
    ['fresh'], ['clock', 17], ['auto'], LOOK, ['auto'], LOOK, ['clock', 0], ['auto'], LOOK,
    ['settings'], LOOK, ['box', 0], ['choice', 0, 1], LOOK, ['clock', 42], ['auto'], LOOK,
    ['box', 2], ['choice', 2, 1], ['box', 1], ['choice', 1, 1], ['auto'], LOOK, ['everything'], LOOK,
    ['settings'], LOOK, ['ok'], LOOK, ['settings'], LOOK, ['auto'], ['copy'], LOOK,
    ['auto'], ['auto'], ['copy-all'], LOOK,
    ['fresh'], ['clock', 59], ['auto'], ['auto'], ['copy'], LOOK, ['generate'], ['copy-all'], LOOK,
  ]);
  assert.equal(await copyStatus(page).textContent(), `Copied ${page.copied.split('\n').length} sentences`);
  // Ctrl+C takes the sentence, unless some text on the page is selected.
  await page.evaluate(() => navigator.clipboard.writeText('something else'));
  await page.keyboard.press('Control+c');
  await copyStatus(page).filter({ hasText: /^Copied$/ }).waitFor();
  assert.equal(await clipboard(page), await sentence(page).textContent());
  await page.getByRole('heading', { name: 'Quillmere', level: 1 }).selectText();
  await page.keyboard.press('Control+c');
  assert.equal(await clipboard(page), 'Quillmere');
  await page.close();
});

// The Windows settings window is no child of the main window: a message over
// the form leaves it usable, and what changes there reaches Auto Generate.
test('the settings stay usable while a message is up, and Enter in them is OK', async () => {
  const steps = [['fresh'], ['settings'], ['generate'], ['box', 1], ['choice', 1, 1], ['clock', 31], ['auto'], LOOK];
  const [expected] = reference(steps);
  const page = await open();
  await act(page, ['settings']);
  await control(main(page), 'button', 'Generate').click();
  assert.equal(await messageBox(page).isVisible(), true);
  assert.equal(await focused(page), 'OK', 'the message has the focus');
  assert.equal(await main(page).evaluate((form) => form.inert), true, 'the form waits behind it');
  await control(settings(page), 'checkbox', boxNames[1]).click();
  await control(settings(page), 'radio', 'Simile').check();
  await takeMessages(page);
  await act(page, ['clock', 31]);
  await act(page, ['auto']);
  assert.deepEqual(await look(page), expected);
  assert.equal(expected.figure, 1, 'the simile chosen while the message was up');

  // Enter on a box, then on a radio button, closes the settings, as their OK does.
  for (const target of [control(settings(page), 'checkbox', boxNames[0]), control(settings(page), 'radio', 'Simile')]) {
    await act(page, ['settings']);
    await target.focus();
    await page.keyboard.press('Enter');
    assert.equal(await settings(page).isVisible(), false);
    assert.equal(await focused(page), 'Configure Auto');
  }
  assert.deepEqual(page.problems, []);
  await page.close();
});

// In the page itself, for speed: the controls are found by role and name, and
// worked there as the user works them, firing the same events.
test('every word of every list in both figures gives the native core\'s sentence', async () => {
  const page = await open();
  const handle = (role, name) => control(main(page), role, name).elementHandle();
  const controls = {
    lists: await Promise.all([0, 1, 2].map((index) => list(page, index).elementHandle())),
    figures: await Promise.all(['Metaphor', 'Simile'].map((name) => handle('radio', name))),
    generate: await handle('button', 'Generate'),
    reset: await handle('button', 'Reset'),
    output: await sentence(page).elementHandle(),
  };
  const runs = [];
  const steps = [];
  for (let index = 0; index < 3; ++index) {
    const words = new Set(await list(page, index).locator('option').allTextContents());
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
  const seen = await page.evaluate(({ controls: { lists, figures, generate, reset, output }, runs }) => {
    const pick = (select, position) => {
      select.selectedIndex = position;
      select.dispatchEvent(new Event('change'));
    };
    return runs.map(([index, word, figure]) => {
      reset.click();
      figures[figure].click();
      pick(lists[index], [...lists[index].options].findIndex((option) => option.text === word));
      lists.forEach((other, at) => { if (at !== index) pick(other, 1); });
      generate.click();
      return { output: output.textContent, messages: [] };
    });
  }, { controls, runs });
  assert.equal(await page.getByRole('alertdialog').count(), 0, 'no message came');
  assert.deepEqual(seen, reference(steps));
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the keyboard alone: every word within reach, the tab order, the access keys and the dialogs', async () => {
  let page = await open();
  const order = [await focusReaches(page, 'Concept')];
  for (let i = 0; i < 9; ++i) {
    await page.keyboard.press('Tab');
    order.push(await focused(page));
  }
  assert.deepEqual(order, ['Concept', 'Action', 'Object', 'Metaphor', 'Generate', 'Auto Generate', 'Reset',
    'Conventional', 'Configure Auto', 'About']);

  // Browsing a list narrows nothing until the pick is committed, so the arrow
  // key visits every word, and typing a word finds it.
  page = await open('', { page });
  await focusReaches(page, 'Concept');
  const concepts = await list(page, 0).locator('option').count();
  const visited = new Set();
  for (let i = 0; i < concepts; ++i) {
    await page.keyboard.press('ArrowDown');
    visited.add(await list(page, 0).evaluate((select) => select.value));
  }
  assert.equal(visited.size, concepts - 1, 'every concept, from the blank entry down');
  assert.equal(await listNote(page).textContent(), '', 'nothing narrowed while browsing');

  page = await open('', { page });
  await focusReaches(page, 'Concept');
  // What a screen reader hears of the note: each text it takes.
  const heard = await listNote(page).evaluateHandle((note) => {
    note.heard = [];
    new MutationObserver(() => note.heard.push(note.textContent)).observe(note, { childList: true, characterData: true, subtree: true });
    return note;
  });
  await page.keyboard.type('Evil');
  await page.keyboard.press('Tab');
  const actions = await list(page, 1).locator('option').allTextContents();
  for (let i = 0; i < actions.indexOf('Wounds'); ++i) await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Tab');
  await page.keyboard.type('War');
  await accessKey(page, 'g');
  assert.equal(await sentence(page).textContent(), 'Wounding evil is a war.');
  const [picked] = reference([['pick', 0, 'Evil'], ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['generate'], LOOK]);
  assert.deepEqual(await look(page), picked, 'as the same words picked with the mouse');
  assert.deepEqual(await heard.evaluate((note) => note.heard), [picked.note], 'what changed, said once');

  // A message takes the focus on its OK and gives it back when closed.
  await accessKey(page, 'r');
  await accessKey(page, 'g');
  assert.equal(await focused(page), 'OK');
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), 'OK', 'Tab stays in the message');
  await page.keyboard.press('Escape');
  assert.equal(await focusReaches(page, 'Generate'), 'Generate');

  // The settings open by their access key and close with Esc; then Simile and
  // Auto Generate by theirs.
  await accessKey(page, 'o');
  assert.equal(await settings(page).isVisible(), true);
  assert.equal(await focused(page), 'Randomize Everything');
  await page.keyboard.press('Escape');
  assert.equal(await settings(page).isVisible(), false);
  await accessKey(page, 's');
  await accessKey(page, 'a');
  const [drawn] = reference([['pick', 0, 'Evil'], ['pick', 1, 'Wounds'], ['pick', 2, 'War'], ['generate'], ['reset'],
    ['generate'], ['figure', 1], ['auto'], LOOK]);
  const state = await look(page);
  assert.equal(state.output, drawn.output);
  assert.deepEqual(state.selected, drawn.selected);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a link opens the sentence as the program leaves it, typed into the address too, and any other address a fresh page', async () => {
  const [linked] = reference([['link', evilLink], LOOK]);
  let page = await open(`#${evilLink}`);
  assert.deepEqual(await look(page), linked);
  assert.equal(await focusReaches(page, 'Concept'), 'Concept');
  await copy(page, 'Copy');
  assert.equal(page.copied, 'Evil is like a healing war.');
  await copy(page, 'Copy All');
  assert.equal(page.copied, 'Evil is like a healing war.');
  await control(main(page), 'radio', 'Metaphor').check();
  await control(main(page), 'button', 'Generate').click();
  assert.equal(new URL(page.url()).hash, '#concept=Evil&action=Heals&object=War&figure=metaphor');

  // A link typed into the address of the open page, while an earlier pick narrows the lists.
  const typed = 'concept=Meter%20Maid&action=Consumes&object=Fire&figure=metaphor';
  await compare([['fresh'], ['pick', 0, 'Joy'], ['link', typed], LOOK, ['link', evilLink.replace('War', 'Garden')], LOOK]);
  await page.close();

  const tail = '&action=Wounds&object=War&figure=simile';
  const malformed = ['#', '#concept=Evil', '#concept=Evil&action=Wounds&object=War', `#concept=Evil${tail}&extra=1`,
    `#concept=Evil&concept=Evil${tail}`, `#concept=Evil${tail}&figure=simile`, `#concept=Evi${tail}`,
    `#concept=evil${tail}`, `#concept=War${tail}`, '#concept=Evil&action=Wounds&object=War&figure=poem',
    '#concept=Evil&action=Wounds&object=War&figure=Simile', `#concept=Meter%2${tail}`, `#concept=Meter%G0Maid${tail}`,
    `#concept=%E0%A4%A${tail}`, `#concept=<script>alert(1)</script>${tail}`, `#concept=%3Cimg%20src%3Dx%3E${tail}`,
    `#concept=Evil${tail}${'x'.repeat(10000)}`, `#${'&'.repeat(50)}`, '#figure=simile', `#concept=Evil${tail}&`,
    `#Concept=Evil${tail}`, `#concept${tail}`, '#%', '#javascript:alert(1)', '#concept=Joy&action=Heals&object=War&figure=metaphor'];
  const [fresh] = reference([LOOK]);
  page = null;
  for (const fragment of malformed) {
    page = await open(fragment, { page });
    assert.deepEqual(await look(page), fresh, fragment);
    assert.equal(await page.getByRole('alertdialog').count(), 0, fragment);
    assert.deepEqual(page.problems, [], fragment);
  }

  // A fragment of 20 MB set from a script is no link, and the page goes on.
  await page.evaluate(() => { location.hash = `concept=${'E'.repeat(20e6)}`; });
  await act(page, ['pick', 0, 'Evil']);
  assert.equal((await look(page)).lists[0].length, 33);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a long session keeps the last 10,000 sentences for Copy All and never runs out of memory', async () => {
  const page = await open();
  await act(page, ['pick', 0, 'Evil']);
  await act(page, ['pick', 1, 'Wounds']);
  await act(page, ['pick', 2, 'War']);
  const [metaphor, simile, generate, copyAll] = await Promise.all([
    control(main(page), 'radio', 'Metaphor'), control(main(page), 'radio', 'Simile'),
    control(main(page), 'button', 'Generate'), control(main(page), 'button', 'Copy All'),
  ].map((found) => found.elementHandle()));
  // Two sentences by turns, each remembered, with a Copy All now and then.
  await page.evaluate(({ figures, generate, copyAll }) => {
    for (let i = 0; i < 30003; ++i) {
      figures[i % 2].click();
      generate.click();
      if (i % 5000 === 4999) copyAll.click();
    }
  }, { figures: [metaphor, simile], generate, copyAll });
  await copy(page, 'Copy All');
  const lines = page.copied.split('\n');
  assert.equal(lines.length, 10000);
  assert.deepEqual([lines[0], lines.at(-1)], ['Evil is like a wounding war.', 'Wounding evil is a war.']);
  assert.equal(await copyStatus(page).textContent(), 'Copied 10000 sentences');
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('copying says what it did, works on a plain http site, and says so when the browser refuses', async () => {
  const server = createServer((request, response) => {
    response.writeHead(200, { 'content-type': 'text/html' });
    response.end(readFileSync(pagePath));
  });
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  const site = await browser.newContext();
  try {
    const page = watch(await site.newPage());
    await page.goto(`http://quillmere.test:${server.address().port}/#${evilLink}`);
    assert.equal(await page.evaluate(() => isSecureContext), false, 'a plain http site, where the browser has no clipboard API');
    await control(main(page), 'button', 'Copy').click();
    await copyStatus(page).filter({ hasText: /^Copied$/ }).waitFor();
    const reader = await open();
    await reader.bringToFront();
    assert.equal(await clipboard(reader), 'Evil is like a healing war.');
    assert.deepEqual(page.problems, []);

    await page.bringToFront();
    await page.evaluate(() => { document.execCommand = () => false; });
    await control(main(page), 'button', 'Copy All').click();
    await copyStatus(page).filter({ hasText: /did not let/ }).waitFor();
    assert.match(await copyStatus(page).textContent(), /Select the sentence and copy it yourself/);
    await reader.close();
  } finally {
    await site.close();
    server.close();
  }
});

// The engine's entry points are the page's; a list or a mode they do not
// have changes nothing and breaks nothing.
test('the engine ignores a list or a mode it does not have', async () => {
  const page = await open(`#${evilLink}`);
  await act(page, ['settings']);
  const before = await look(page);
  await page.evaluate(() => {
    for (const number of [-1, 3, 1 << 28]) {
      Module._quill_pick(number);
      Module._quill_settings_box(number);
      Module._quill_settings_radio(number);
    }
  });
  assert.deepEqual(await look(page), before);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('with scripts off the page says it needs them', async () => {
  const noScripts = await browser.newContext({ javaScriptEnabled: false });
  const page = await noScripts.newPage();
  await page.goto(pageUrl);
  assert.equal(await page.getByRole('paragraph').filter({ hasText: 'needs JavaScript' }).isVisible(), true);
  await noScripts.close();
});

// Each state a user meets, at a phone's width and a desktop's, light and dark.
const states = {
  start: async () => {},
  sentence: (page) => act(page, ['link', evilLink]),
  narrowed: (page) => act(page, ['pick', 0, 'Joy']),
  settings: (page) => act(page, ['settings']),
  message: async (page) => {
    await control(main(page), 'button', 'Reset').click();
    await control(main(page), 'button', 'Generate').click();
  },
  about: (page) => control(main(page), 'button', 'About').click(),
};
const looks = [[360, 640], [1280, 800]].flatMap((viewport) => ['light', 'dark'].map((colorScheme) => [viewport, colorScheme]));

test('axe finds nothing in any state, at 360 and 1280 pixels, light and dark', async () => {
  const found = [];
  for (const [[width, height], colorScheme] of looks) {
    for (const [name, reach] of Object.entries(states)) {
      const page = await open('', { viewport: { width, height } });
      await page.emulateMedia({ colorScheme });
      await reach(page);
      for (const finding of await axeFindings(page)) found.push(`${width} ${colorScheme} ${name}: ${finding}`);
      await page.close();
    }
  }
  assert.deepEqual(found, []);
});

// The contrast of control edges and states, which axe does not measure: each
// against the colour behind it, at least 3:1 (WCAG 2.2, 1.4.11).
test('every control\'s edge and every state of it stands 3:1 against its surroundings, light and dark', async () => {
  for (const colorScheme of ['light', 'dark']) {
    const page = await open();
    await page.emulateMedia({ colorScheme });
    await act(page, ['settings']);  // its radio buttons disabled, one of each pair checked
    await page.keyboard.press('Tab');  // a key first, so that focus shows as the keyboard shows it
    const weak = [...await weakContrasts(page)];
    await states.about(page);
    await page.keyboard.press('Tab');
    weak.push(...await weakContrasts(page));
    assert.deepEqual(weak, [], colorScheme);
    await page.close();
  }
});

// The controls one can use now whose edge, mark or focus ring stands less
// than 3:1 against the colour behind them.
function weakContrasts(page) {
  return page.evaluate(async () => {
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
    const controls = [...document.querySelectorAll('select, button, input, a[href]')]
      .filter((element) => element.offsetParent && !element.closest('[inert]'));
    for (const element of controls) {
      const style = getComputedStyle(element);
      if (!element.matches('a')) check(element, 'edge', ratio(style.borderTopColor, behind(element)));
      if (element.matches(':checked')) check(element, 'checked mark', ratio(style.backgroundColor, behind(element)));
      if (element.disabled) continue;
      element.focus();
      await new Promise(requestAnimationFrame);
      const focused = getComputedStyle(element);
      const ring = focused.boxShadow.match(/rgba?\([^)]*\)/g) ?? [];
      const best = Math.max(ratio(focused.outlineColor, behind(element)), ...ring.map((color) => ratio(color, behind(element))));
      check(element, 'focus', focused.outlineStyle === 'none' ? 0 : best);
    }
    return found;
  });
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
  await control(main(page), 'button', 'Generate').click();
  const shown = await sentence(page).evaluate((output) => {
    const box = output.getBoundingClientRect();
    const size = (element) => parseFloat(getComputedStyle(element).fontSize);
    const larger = [...document.querySelectorAll('body *')]
      .filter((element) => element !== output && element.offsetParent && [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim()))
      .filter((element) => size(element) >= size(output));
    return { top: box.top, bottom: box.bottom, scrolled: scrollY, larger: larger.map((element) => element.outerHTML.slice(0, 40)) };
  });
  assert.equal(shown.scrolled, 0);
  assert.ok(shown.top >= 0 && shown.bottom <= 640, `the sentence lies at ${shown.top}..${shown.bottom}`);
  assert.deepEqual(shown.larger, [], 'no text as large as the sentence');
  const backgrounds = await main(page).getByRole('button').evaluateAll((buttons) => buttons.map((button) => [button.textContent, getComputedStyle(button).backgroundColor]));
  const primary = backgrounds.filter(([, color]) => color !== backgrounds.at(-1)[1]).map(([name]) => name);
  assert.deepEqual(primary, ['Generate'], 'Generate alone stands out');
  await page.close();
});

test('the settings never scroll inside the page, at 640 x 360 and at 200 % zoom, and open where the user looks', async () => {
  for (const [width, height, deviceScaleFactor] of [[640, 360, 1], [640, 400, 2]]) {
    const zoomed = await browser.newContext({ viewport: { width, height }, deviceScaleFactor });
    const page = watch(await zoomed.newPage());
    await page.goto(pageUrl);
    await control(main(page), 'button', 'Configure Auto').click();
    const panel = await settings(page).evaluate((dialog) => [dialog.scrollHeight, dialog.clientHeight]);
    assert.ok(panel[0] <= panel[1] + 1, `${width} x ${height}: ${panel[0]} px of settings in a ${panel[1]} px box`);
    assert.equal(await focused(page), 'Randomize Everything');
    assert.ok(await control(settings(page), 'button', 'Randomize Everything').evaluate((button) => {
      const box = button.getBoundingClientRect();
      return box.top >= 0 && box.bottom <= innerHeight;
    }), 'the panel\'s first control is on screen');
    await control(settings(page), 'button', 'OK').click();
    assert.equal(await settings(page).isVisible(), false);
    assert.deepEqual(page.problems, []);
    await zoomed.close();
  }
});

test('screenshots: phone, tablet and desktop, light and dark, 200 % zoom, each dialog, nothing cut off', async () => {
  mkdirSync(artifacts, { recursive: true });
  const sizes = { phone: [360, 640, 1], tablet: [768, 1024, 1], desktop: [1280, 800, 1], zoom200: [640, 400, 2] };
  for (const [size, [width, height, deviceScaleFactor]] of Object.entries(sizes)) {
    for (const colorScheme of ['light', 'dark']) {
      const shot = await browser.newContext({ viewport: { width, height }, deviceScaleFactor, colorScheme });
      const page = watch(await shot.newPage());
      await page.goto(`${pageUrl}#concept=Unipolar%20Mania%20Disorder&action=Provides%20For&object=Bullish%20Stock%20Market%20Trends&figure=metaphor`);
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
      assert.equal(overflow, 0, `${size} scrolls sideways by ${overflow}`);
      for (const [name, reach] of Object.entries({ sentence: states.start, settings: states.settings, message: states.message, about: states.about })) {
        if (name === 'about') await control(messageBox(page), 'button', 'OK').click();
        await reach(page);
        const file = `${artifacts}/web-${size}-${colorScheme}-${name}.png`;
        await page.screenshot({ path: file, fullPage: name === 'settings' });
        assert.ok(statSync(file).size > 0, file);
      }
      assert.deepEqual(page.problems, []);
      await shot.close();
    }
  }
});

test('nothing was asked of the network: every request was the page\'s own file', () => {
  assert.deepEqual(requests, []);
});
