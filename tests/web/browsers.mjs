// The three browser engines people use, each driven the same way: Chromium
// and Firefox by puppeteer-core (CDP and WebDriver BiDi), WebKit by
// selenium-webdriver through WebKitGTK's WebKitWebDriver and MiniBrowser.
// Each engine gives its own browser a light or a dark look and sends plain
// http through a proxy. A page is found and worked by role and accessible
// name, as a screen reader user finds it; what an engine cannot do is said
// by its `can`. And a small web server, for the pages and the site.
import { readFileSync, writeFileSync } from 'node:fs';
import { STATUS_CODES, createServer } from 'node:http';
import { extname } from 'node:path';
import puppeteer from 'puppeteer-core';
import { Builder, By, Key, WebElement } from 'selenium-webdriver';
import remote from 'selenium-webdriver/remote/index.js';

// Chromium's arguments, for the tests and the benchmark alike: no
// connection of its own to anything, which this machine's closed network
// refuses many at a time.
export const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

// Serves on 127.0.0.1 the file that route(url) names, as a host that lets
// browsers keep it an hour would, or redirects to the address it names as
// { redirect } with its { status } (301 if none), or answers with { status };
// an error's status and reason are its text. The same port again after a
// stop. Every path asked for is noted in `asked`.
export function serve(route) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json',
    '.png': 'image/png', '.txt': 'text/plain' };
  const asked = [];
  const server = createServer((request, response) => {
    const url = new URL(request.url, `http://${request.headers.host}`);
    asked.push(url.pathname);
    try {
      const file = route(url);
      if (file.redirect) return response.writeHead(file.status ?? 301, { location: file.redirect }).end();
      if (file.status) throw file;
      const body = readFileSync(file);
      response.writeHead(200, { 'content-type': types[extname(file)] ?? 'text/html', 'cache-control': 'max-age=3600' })
        .end(body);
    } catch ({ status = 404 }) {
      response.writeHead(status, { 'content-type': 'text/plain' }).end(`${status} ${STATUS_CODES[status]}`);
    }
  });
  let port = 0;
  return {
    asked,
    start: () => new Promise((listening) => server.listen(port, '127.0.0.1', () => {
      ({ port } = server.address());
      listening(`http://127.0.0.1:${port}`);
    })),
    stop: () => new Promise((closed) => {
      server.close(closed);
      server.closeAllConnections();
    }),
  };
}

export async function launch(engine, options = {}) {
  if (engine !== 'webkit' && engine !== 'chromium' && engine !== 'firefox') throw new Error(`no such engine: ${engine}`);
  const browser = await (engine === 'webkit' ? launchWebKit(options) : launchPuppeteer(engine, options));
  // Opening a page is bounded, and so is every step on the page it opens.
  const { open } = bounded(browser, { open: browser.open });
  browser.open = async (...args) => bounded(browser, await open(...args));
  return browser;
}

// Settles as the promise does, or fails once `seconds` have passed, naming what hung.
const within = (promise, seconds, what) => Promise.race([promise, new Promise((settled, failed) => {
  setTimeout(() => failed(Object.assign(new Error(`${what} did not answer in ${seconds} s`), { hung: true })),
    seconds * 1000).unref();
})]);

// Every step a test asks of a page answers within a minute, or fails naming
// its engine and the step; its browser is then taken for broken, for the
// next test to start a fresh one.
function bounded(browser, page) {
  const steps = { ...page };
  for (const [name, step] of Object.entries(page)) {
    if (typeof step !== 'function') continue;
    steps[name] = (...args) => within(step(...args), 60, `${browser.engine}: ${name}`).catch((error) => {
      if (error.hung) browser.broken = true;
      throw error;
    });
  }
  return steps;
}

// Errors a page throws, promises it leaves rejected and what its policy
// refuses, noted from inside it, as not every driver hears them; and, for
// the engine whose driver hears no console, what it logs.
function noteProblems(console_) {
  if (window.quillProblems) return;
  window.quillProblems = [];
  const note = (text) => window.quillProblems.push(text);
  addEventListener('error', (event) => note(`error: ${event.message}`));
  addEventListener('unhandledrejection', (event) => note(`error: ${event.reason}`));
  addEventListener('securitypolicyviolation', (event) => note(`refused: ${event.blockedURI}`));
  for (const type of console_ ? ['error', 'warn'] : []) {
    const original = console[type];
    console[type] = (...args) => { note(`${type}: ${args.join(' ')}`); original.apply(console, args); };
  }
}
const notedProblems = () => [...(window.quillProblems ?? []).splice(0),
  ...performance.getEntriesByType('resource').map((entry) => `request: ${entry.name}`)];

async function launchPuppeteer(engine, { colorScheme = 'light', proxy }) {
  const proxyPort = proxy && new URL(proxy).port;
  const browser = await puppeteer.launch(engine === 'firefox' ? {
    browser: 'firefox',
    executablePath: process.env.QUILL_FIREFOX || '/usr/bin/firefox-esr',
    extraPrefsFirefox: {
      'layout.css.prefers-color-scheme.content-override': colorScheme === 'dark' ? 0 : 1,
      'dom.events.testing.asyncClipboard': true,
      ...(proxy && { 'network.proxy.type': 1, 'network.proxy.http': '127.0.0.1', 'network.proxy.http_port': Number(proxyPort) }),
    },
  } : {
    executablePath: process.env.QUILL_CHROMIUM || '/usr/bin/chromium',
    args: [...chromiumArgs, ...(colorScheme === 'dark' ? ['--force-dark-mode'] : []),
      ...(proxy ? [`--proxy-server=${proxy}`] : [])],
  });
  if (engine === 'chromium') {
    const session = await browser.target().createCDPSession();
    await session.send('Browser.grantPermissions', { permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
  }
  return {
    engine,
    can: {
      readClipboard: true,
      scale: engine === 'chromium',
      hide: true,
      devTools: engine === 'chromium',
      turnScriptsOff: engine === 'chromium',
    },
    async open({ width = 1280, height = 800, scale = 1, scripts = true } = {}) {
      const page = await browser.newPage();
      const problems = [];
      page.on('console', (message) => {
        if (['error', 'warn', 'warning'].includes(message.type())) problems.push(`${message.type()}: ${message.text()}`);
      });
      page.on('pageerror', (error) => problems.push(`error: ${error.message}`));
      await page.setViewport({ width, height, deviceScaleFactor: scale });
      // A tab the driver opens may lack the system focus, and then shows no focus.
      await page.bringToFront();
      if (!scripts) await page.setJavaScriptEnabled(false);
      return wrapPuppeteer(engine, page, problems);
    },
    close: () => within(browser.close(), 20, `${engine}: closing`).catch((error) => console.error(error.message)),
  };
}

// A call of fn in the page with element handles anywhere among its
// arguments: each handle goes as an argument of its own, as the drivers take
// them, and is put back in its place in the page.
function handlesApart(fn, args, isHandle) {
  const handles = [];
  const shape = (value) => {
    if (isHandle(value)) return { quillHandle: handles.push(value) - 1 };
    return Array.isArray(value) ? value.map(shape) : value;
  };
  const source = `(shaped, ...handles) => {
    const unshape = (value) => (value && value.quillHandle !== undefined ? handles[value.quillHandle]
      : Array.isArray(value) ? value.map(unshape) : value);
    return (${fn})(...shaped.map(unshape));
  }`;
  return { source, args: [args.map(shape), ...handles] };
}

function evaluateInPuppeteer(page, fn, args) {
  if (typeof fn === 'string') return page.evaluate(fn);
  const call = handlesApart(fn, args, (value) => typeof value?.asElement === 'function');
  const source = () => {};
  source.toString = () => call.source;
  return page.evaluate(source, ...call.args);
}

function wrapPuppeteer(engine, page, problems) {
  // Chromium takes an access key from the character a key with Alt types;
  // Firefox takes Alt+Shift and the letter.
  async function accessKey(letter) {
    if (engine === 'firefox') return press(`Alt+Shift+${letter}`);
    const cdp = await page.createCDPSession();
    const key = { modifiers: 1, key: letter, code: `Key${letter.toUpperCase()}`, unmodifiedText: letter,
      windowsVirtualKeyCode: letter.toUpperCase().charCodeAt(0) };
    for (const type of ['rawKeyDown', 'char', 'keyUp']) {
      await cdp.send('Input.dispatchKeyEvent', { ...key, type, text: type === 'char' ? letter : undefined });
    }
    await cdp.detach();
  }
  async function press(chord) {
    const keys = chord.split('+');
    const last = keys.pop();
    for (const key of keys) await page.keyboard.down(key);
    await page.keyboard.press(last.length === 1 && keys.includes('Shift') ? last.toUpperCase() : last);
    for (const key of keys.reverse()) await page.keyboard.up(key);
  }
  return {
    async goto(url) {
      await page.goto(url);
      await evaluateInPuppeteer(page, noteProblems, [false]);
    },
    evaluate: (fn, ...args) => evaluateInPuppeteer(page, fn, args),
    find: (role, name, scope = page) => scope.$(`aria/${name}[role="${role}"]`),
    click: (element) => element.click(),
    press,
    type: (text) => page.keyboard.type(text),
    accessKey,
    screenshot: (path, fullPage = false) => page.screenshot({ path, fullPage }),
    problems: async () => [...problems.splice(0), ...await page.evaluate(notedProblems)],
    // The page hidden behind another tab and shown again, as a phone's app is.
    async hideAndShow() {
      const other = await page.browser().newPage();
      await other.bringToFront();
      await page.bringToFront();
      await other.close();
    },
    // The Chrome DevTools Protocol, where the engine speaks it.
    cdp: engine === 'chromium' ? async (method, params) => {
      const session = await page.createCDPSession();
      try { return await session.send(method, params); } finally { await session.detach(); }
    } : null,
    close: () => page.close(),
  };
}

// WebKitGTK's driver reports a closed <select> as a pop-up button; each role
// here lists the elements that can carry it, for the driver to name.
const candidates = {
  alertdialog: 'dialog', dialog: 'dialog', main: 'main', status: '[role=status]', paragraph: 'p',
  heading: 'h1, h2', combobox: 'select', button: 'button, select', radio: 'input[type=radio]',
  checkbox: 'input[type=checkbox]', link: 'a',
};
const webkitRole = (role, tag) => (role === 'combobox' && tag === 'select' ? 'button' : role);

// WebKitGTK's driver and MiniBrowser, with their messages in the test's
// output. Now and then a MiniBrowser does not come up on a loaded machine:
// it is stopped and started once more, and the output says so.
async function launchWebKit(options) {
  for (let attempt = 1; ; ++attempt) {
    const service = new remote.DriverService.Builder(process.env.QUILL_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver')
      .setLoopback(true).setStdio(['ignore', 'inherit', 'inherit']).build();
    try {
      return await within(startWebKit(service, options), 60, 'WebKit starting');
    } catch (error) {
      await within(service.kill(), 10, 'WebKitWebDriver stopping').catch(() => {});
      if (attempt === 2) throw error;
      console.error(`webkit: ${error.message}; starting it once more`);
    }
  }
}

async function startWebKit(service, { colorScheme = 'light', proxy }) {
  const args = ['--automation', '--javascript-can-open-windows-automatically=true',
    ...(colorScheme === 'dark' ? ['--dark-mode'] : []), ...(proxy ? [`--proxy=${proxy}`] : [])];
  const driver = await new Builder().usingServer(await service.start()).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': {
      binary: process.env.QUILL_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args,
    },
  }).build();
  const main = await driver.getWindowHandle();
  return {
    engine: 'webkit',
    // MiniBrowser's pages stay visible behind another window or tab.
    can: { readClipboard: false, scale: false, hide: false, devTools: false, turnScriptsOff: false },
    // MiniBrowser's window is at least 447 pixels wide: a narrower view is a
    // window of its own that the first one opens.
    async open({ width = 1280, height = 800 } = {}) {
      await driver.switchTo().window(main);
      let handle = main;
      if (width < 447) {
        const before = await driver.getAllWindowHandles();
        await driver.executeScript(`window.open('about:blank', '', 'popup,width=${width},height=${height}')`);
        const after = await driver.getAllWindowHandles();
        handle = after.find((h) => !before.includes(h));
        await driver.switchTo().window(handle);
      } else {
        await driver.manage().window().setRect({ width, height });
      }
      return wrapWebKit(driver, handle, handle !== main);
    },
    // A driver that no longer answers is stopped all the same, so that the
    // next browser can start.
    async close() {
      await within(driver.quit(), 20, 'WebKit closing').catch((error) => console.error(`webkit: ${error.message}`));
      await within(service.kill(), 10, 'WebKitWebDriver stopping').catch(() => {});
    },
  };
}

function wrapWebKit(driver, handle, ownWindow) {
  const inWindow = async (run) => {
    await driver.switchTo().window(handle);
    return run();
  };
  const script = (fn, args) => {
    if (typeof fn === 'string') return driver.executeScript(fn);
    const call = handlesApart(fn, args, (value) => value instanceof WebElement);
    return driver.executeScript(`return (${call.source}).apply(null, arguments)`, ...call.args);
  };
  const evaluate = (fn, ...args) => inWindow(() => script(fn, args));
  const keys = { Tab: Key.TAB, Enter: Key.ENTER, Escape: Key.ESCAPE, ArrowDown: Key.ARROW_DOWN, Shift: Key.SHIFT,
    Control: Key.CONTROL, Alt: Key.ALT };
  async function press(chord) {
    const parts = chord.split('+').map((key) => keys[key] ?? key);
    const last = parts.pop();
    let actions = driver.actions();
    for (const key of parts) actions = actions.keyDown(key);
    actions = actions.sendKeys(last);
    for (const key of parts.reverse()) actions = actions.keyUp(key);
    await inWindow(() => actions.perform());
  }
  async function find(role, name, scope = null) {
    return inWindow(async () => {
      const found = await (scope ?? driver).findElements(By.css(candidates[role]));
      // An element the page hides has no name or role: asking fails. A
      // closed dialog keeps both but is not shown; an empty status, shown,
      // has no size.
      for (const element of found) {
        const named = await element.getAccessibleName().catch(() => null);
        if (named !== name) continue;
        const [tag, computed] = await Promise.all([element.getTagName(), element.getAriaRole()]);
        if (computed !== webkitRole(role, tag)) continue;
        if (role === 'status' || await element.isDisplayed()) return element;
      }
      return null;
    });
  }
  return {
    async goto(url) {
      await inWindow(() => driver.get(url));
      await script(noteProblems, [true]);
    },
    evaluate,
    find,
    click: (element) => inWindow(() => element.click()),
    press,
    type: (text) => inWindow(() => driver.actions().sendKeys(text).perform()),
    accessKey: (letter) => press(`Alt+${letter}`),
    screenshot: async (path) => writeFileSync(path, await inWindow(() => driver.takeScreenshot()), 'base64'),
    problems: () => evaluate(notedProblems),
    cdp: null,
    // The first window stays for the next page: closing this one leaves it blank.
    close: () => inWindow(() => (ownWindow ? driver.close() : driver.get('about:blank'))),
  };
}
