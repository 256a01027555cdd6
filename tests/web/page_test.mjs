// The web edition in Debian's Chromium, driven as a person drives it: every
// control is found by its role and name, and what the page shows after each
// step is compared with what the native core shows after the same steps
// (web_reference). Screenshots go to QUILL_ARTIFACTS.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, statSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const pageUrl = pathToFileURL(process.env.QUILL_WEB_PAGE).href;
const artifacts = process.env.QUILL_ARTIFACTS;
const listNames = ['Concept', 'Action', 'Object'];
const boxNames = ['Randomize Conventional vs Unconventional', 'Randomize Metaphor vs Simile',
  'Randomize Negative vs Positive'];
const choiceNames = [['Conventional', 'Unconventional'], ['Metaphor', 'Simile'], ['Negative', 'Positive']];

let browser;
let context;
let openings = 0;
const requests = [];

before(async () => {
  assert.ok(existsSync(process.env.QUILL_WEB_PAGE), 'build the page first: cmake --preset web && cmake --build --preset web');
  browser = await chromium.launch({
    executablePath: process.env.QUILL_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run'],
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

// The page freshly opened at the address, in a new tab or the one given, its
// console and errors noted, at second 0 of a minute.
async function open(fragment = '', { page = null, viewport = { width: 1280, height: 800 } } = {}) {
  if (!page) {
    page = await context.newPage();
    await page.setViewportSize(viewport);
    page.on('console', (message) => page.problems.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => page.problems.push(`error: ${error.message}`));
  }
  Object.assign(page, { problems: [], messages: [], copied: null });
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
const control = (scope, role, name) => scope.getByRole(role, { name, exact: true });

// Closes every message the page shows, noting each, now with OK, now with Esc.
async function takeMessages(page) {
  const box = page.getByRole('dialog', { name: 'Quillmere' });
  while (await box.isVisible()) {
    page.messages.push(await box.locator('p').textContent());
    if (page.messages.length % 2) await control(box, 'button', 'OK').click();
    else await page.keyboard.press('Escape');
  }
}

async function act(page, [verb, ...args]) {
  const button = (name) => control(main(page), 'button', name).click();
  const list = () => main(page).getByRole('combobox', { name: listNames[args[0]] });
  switch (verb) {
    case 'fresh': return;
    case 'pick': await list().selectOption(args[1] ? { label: args[1] } : { index: 0 }); break;
    case 'pick-at': await list().selectOption({ index: Number(args[1]) }); break;
    case 'figure': await control(main(page), 'radio', args[0] === 0 ? 'Metaphor' : 'Simile').check(); break;
    case 'conventional': await control(main(page), 'checkbox', 'Conventional').click(); break;
    case 'generate': await button('Generate'); break;
    case 'auto': await button('Auto Generate'); break;
    case 'reset': await button('Reset'); break;
    case 'copy': await button('Copy'); break;
    case 'copy-all': await button('Copy All'); break;
    case 'clock': await page.clock.setFixedTime(new Date(2026, 11, 8, 12, 0, args[0])); break;
    case 'settings': await button('Configure Auto'); break;
    case 'box': await control(settings(page), 'checkbox', boxNames[args[0]]).click(); break;
    case 'choice': await control(settings(page), 'radio', choiceNames[args[0]][args[1]]).check(); break;
    case 'everything': await control(settings(page), 'button', 'Randomize Everything').click(); break;
    case 'ok': await control(settings(page), 'button', 'OK').click(); break;
    default: throw new Error(`unknown step ${verb}`);
  }
  await takeMessages(page);
}

async function say(page) {
  return { output: await main(page).getByRole('status').textContent(), messages: page.messages.splice(0) };
}

async function look(page) {
  const state = { lists: [], selected: [] };
  for (const name of listNames) {
    const list = main(page).getByRole('combobox', { name });
    state.lists.push(await list.locator('option').allTextContents());
    state.selected.push(await list.evaluate((select) => select.selectedIndex));
  }
  const checked = (name) => control(main(page), 'radio', name).isChecked();
  state.figure = (await checked('Metaphor')) ? 0 : (await checked('Simile')) ? 1 : -1;
  state.conventional = await control(main(page), 'checkbox', 'Conventional').isChecked();
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
    if (step[0].startsWith('copy')) page.copied = await page.evaluate(() => navigator.clipboard.readText());
  }
  for (const state of expected) if (state.clipboard) state.clipboard = state.clipboard.replaceAll('\r\n', '\n');
  assert.deepEqual(seen, expected);
  assert.deepEqual(page.problems, []);
  return page;
}

const LOOK = ['look'];

test('every control is there under its role and name', async () => {
  const page = await open();
  for (const name of listNames) assert.equal(await main(page).getByRole('combobox', { name }).count(), 1, name);
  for (const name of ['Metaphor', 'Simile']) assert.equal(await control(main(page), 'radio', name).count(), 1, name);
  assert.equal(await control(main(page), 'checkbox', 'Conventional').count(), 1);
  for (const name of ['Generate', 'Auto Generate', 'Reset', 'Configure Auto', 'About', 'Copy', 'Copy All']) {
    assert.equal(await control(main(page), 'button', name).count(), 1, name);
  }
  assert.equal(await main(page).getByRole('status').count(), 1);

  await control(main(page), 'button', 'Configure Auto').click();
  for (const name of [...boxNames, ...choiceNames.flat()]) {
    const role = boxNames.includes(name) ? 'checkbox' : 'radio';
    assert.equal(await control(settings(page), role, name).count(), 1, name);
  }
  for (const name of ['Randomize Everything', 'OK']) assert.equal(await control(settings(page), 'button', name).count(), 1);

  await control(main(page), 'button', 'About').click();
  const about = page.getByRole('dialog', { name: 'About Quillmere' });
  assert.match(await about.textContent(), /Quillmere Version 1\.0[\s\S]*Copyright \(C\) 2026 Quillmere[\s\S]*MIT License/);
  const site = control(about, 'link', 'Visit the Web Site');
  assert.equal(await site.getAttribute('target'), '_blank');
  assert.match(await site.getAttribute('href'), /^https:\/\//);
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');
  await page.keyboard.press('Escape');
  assert.equal(await about.isVisible(), false);
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
  // Ctrl+C takes the sentence, unless some text on the page is selected.
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  await page.evaluate(() => navigator.clipboard.writeText('something else'));
  await page.keyboard.press('Control+c');
  assert.equal(await clipboard(), await main(page).getByRole('status').textContent());
  await page.getByRole('heading', { name: 'Quillmere', level: 1 }).selectText();
  await page.keyboard.press('Control+c');
  assert.equal(await clipboard(), 'Quillmere');
  await page.close();
});

// In the page itself, for speed: the controls are found by role and name, and
// worked there as the user works them, firing the same events.
test('every word of every list in both figures gives the native core\'s sentence', async () => {
  const page = await open();
  const handle = (role, name) => control(main(page), role, name).elementHandle();
  const controls = {
    lists: await Promise.all(listNames.map((name) => handle('combobox', name))),
    figures: await Promise.all(['Metaphor', 'Simile'].map((name) => handle('radio', name))),
    generate: await handle('button', 'Generate'),
    reset: await handle('button', 'Reset'),
    output: await main(page).getByRole('status').elementHandle(),
  };
  const runs = [];
  const steps = [];
  for (let list = 0; list < 3; ++list) {
    const words = new Set(await main(page).getByRole('combobox', { name: listNames[list] }).locator('option').allTextContents());
    words.delete('');
    for (const word of words) {
      for (const figure of [0, 1]) {
        runs.push([list, word, figure]);
        steps.push(['reset'], ['figure', figure], ['pick', list, word]);
        for (const other of [0, 1, 2]) if (other !== list) steps.push(['pick-at', other, 1]);
        steps.push(['generate'], ['say']);
      }
    }
  }
  assert.equal(runs.length, 2 * (65 + 59 + 60), 'every word of each list once ("Kills" stands twice)');
  const seen = await page.evaluate(({ controls: { lists, figures, generate, reset, output }, runs }) => {
    const pick = (list, position) => {
      list.selectedIndex = position;
      list.dispatchEvent(new Event('change'));
    };
    return runs.map(([list, word, figure]) => {
      reset.click();
      figures[figure].click();
      pick(lists[list], [...lists[list].options].findIndex((option) => option.text === word));
      lists.forEach((other, index) => { if (index !== list) pick(other, 1); });
      generate.click();
      return { output: output.textContent, messages: [] };
    });
  }, { controls, runs });
  assert.equal(await page.getByRole('dialog').count(), 0, 'no message came');
  assert.deepEqual(seen, reference(steps));
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the keyboard alone: the tab order, the access keys and the dialogs', async () => {
  const page = await open();
  const focused = () => page.evaluate(() => {
    const element = document.activeElement;
    return (element.labels?.[0] ?? element).textContent.trim();
  });
  const order = [];
  for (let i = 0; i < 10; ++i) {
    await page.keyboard.press('Tab');
    order.push(await focused());
  }
  assert.deepEqual(order, ['Concept', 'Action', 'Object', 'Metaphor', 'Generate', 'Auto Generate', 'Reset',
    'Conventional', 'Configure Auto', 'About']);

  // Each list's first word with the arrow key, then Generate by its access key.
  await control(main(page), 'combobox', 'Concept').focus();
  for (const _ of listNames) await page.keyboard.press('ArrowDown').then(() => page.keyboard.press('Tab'));
  await accessKey(page, 'g');
  const [sentence] = reference([['pick-at', 0, 1], ['pick-at', 1, 1], ['pick-at', 2, 1], ['generate'], ['say']]);
  assert.equal(await main(page).getByRole('status').textContent(), sentence.output);

  // A message takes the focus on its OK and gives it back when closed.
  await accessKey(page, 'r');
  await accessKey(page, 'g');
  assert.equal(await focused(), 'OK');
  await page.keyboard.press('Escape');
  assert.equal(await focused(), 'Generate');

  // The settings open by their access key and close with Esc; then Simile and
  // Auto Generate by theirs.
  await accessKey(page, 'o');
  assert.equal(await settings(page).isVisible(), true);
  assert.equal(await focused(), 'Randomize Everything');
  await page.keyboard.press('Escape');
  assert.equal(await settings(page).isVisible(), false);
  await accessKey(page, 's');
  await accessKey(page, 'a');
  const [drawn] = reference([['pick-at', 0, 1], ['pick-at', 1, 1], ['pick-at', 2, 1], ['generate'], ['reset'],
    ['generate'], ['figure', 1], ['auto'], ['look']]);
  const state = await look(page);
  assert.equal(state.output, drawn.output);
  assert.deepEqual(state.selected, drawn.selected);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a link shows its sentence, and any other address a fresh page with a quiet console', async () => {
  let page = await open('#concept=Meter%20Maid&action=Consumes&object=A%2B&figure=metaphor');
  assert.equal(await main(page).getByRole('status').textContent(), 'Consuming  meter maids are a A+.');
  assert.equal(await main(page).getByRole('combobox', { name: 'Concept' }).locator('option').count(), 66);
  await control(main(page), 'radio', 'Simile').check();
  await control(main(page), 'button', 'Generate').click();
  assert.equal(new URL(page.url()).hash, '#concept=Meter%20Maid&action=Consumes&object=A%2B&figure=simile');
  assert.equal(await main(page).getByRole('status').textContent(), 'Meter maids are like a comsuming A+.');
  await page.close();

  const tail = '&action=Wounds&object=War&figure=simile';
  const malformed = ['#', '#concept=Evil', '#concept=Evil&action=Wounds&object=War', `#concept=Evil${tail}&extra=1`,
    `#concept=Evil&concept=Evil${tail}`, `#concept=Evil${tail}&figure=simile`, `#concept=Evi${tail}`,
    `#concept=evil${tail}`, `#concept=War${tail}`, '#concept=Evil&action=Wounds&object=War&figure=poem',
    '#concept=Evil&action=Wounds&object=War&figure=Simile', `#concept=Meter%2${tail}`, `#concept=Meter%G0Maid${tail}`,
    `#concept=%E0%A4%A${tail}`, `#concept=<script>alert(1)</script>${tail}`, `#concept=%3Cimg%20src%3Dx%3E${tail}`,
    `#concept=Evil${tail}${'x'.repeat(10000)}`, `#${'&'.repeat(50)}`, '#figure=simile', `#concept=Evil${tail}&`,
    `#Concept=Evil${tail}`, `#concept${tail}`, '#%', '#javascript:alert(1)'];
  page = null;
  for (const fragment of malformed) {
    page = await open(fragment, { page });
    const state = await look(page);
    assert.deepEqual(state.selected, [0, 0, 0], fragment);
    assert.deepEqual(state.lists.map((entries) => entries.length), [66, 61, 61], fragment);
    assert.equal(state.output, '', fragment);
    assert.equal(await page.getByRole('dialog').count(), 0, fragment);
    assert.deepEqual(page.problems, [], fragment);
  }
  await page.close();
});

test('screenshots at 360 x 640 and 1280 x 800, light and dark, with nothing cut off', async () => {
  mkdirSync(artifacts, { recursive: true });
  for (const [width, height] of [[360, 640], [1280, 800], [640, 400]]) {
    for (const colorScheme of ['light', 'dark']) {
      const page = await open('#concept=Unipolar%20Mania%20Disorder&action=Provides%20For&object=Bullish%20Stock%20Market%20Trends&figure=metaphor', { viewport: { width, height } });
      await page.emulateMedia({ colorScheme });
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
      assert.equal(overflow, 0, `${width} x ${height} scrolls sideways by ${overflow}`);
      if (width !== 640) {
        const file = `${artifacts}/web-${width}x${height}-${colorScheme}.png`;
        await page.screenshot({ path: file, fullPage: true });
        assert.ok(statSync(file).size > 0, file);
      }
      await page.close();
    }
  }
});

test('nothing was asked of the network: every request was the page\'s own file', () => {
  assert.deepEqual(requests, []);
});
