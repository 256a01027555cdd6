// The three browser engines people use, each driven the same way: Chromium
// and Firefox by puppeteer-core (CDP and WebDriver BiDi), WebKit by
// selenium-webdriver through WebKitGTK's WebKitWebDriver and MiniBrowser.
// Each engine gives its own browser a light or a dark look and sends plain
// http through a proxy. A page is found and worked by role and accessible
// name, as a screen reader user finds it; what an engine cannot do is said
// by its `can`. And a small web server, for the pages and the site.
import { readFileSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { Builder, By, Key, WebElement } from 'selenium-webdriver';
import remote from 'selenium-webdriver/remote/index.js';

// Chromium's arguments, for the tests and the benchmark alike: no
// connection of its own to anything, which this machine's closed network
// refuses many at a time.
export const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

// Serves the files of folder() on 127.0.0.1, and any address that route(url)
// names a file for; the same port again after a stop.
export function serve(folder, route = () => null) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json',
    '.png': 'image/png', '.txt': 'text/plain' };
  const server = createServer((request, response) => {
    const url = new URL(request.url, `http://${request.headers.host}`);
    const file = route(url) ?? join(folder(), url.pathname === '/' ? 'index.html' : url.pathname);
    try {
      const body = readFileSync(file);
      response.writeHead(200, { 'content-type': types[extname(file)] ?? 'text/html' }).end(body);
    } catch (missing) {
      response.writeHead(404).end();
    }
  });
  let port = 0;
  return {
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

export function launch(engine, options = {}) {
  if (engine === 'webkit') return launchWebKit(options);
  if (engine === 'chromium' || engine === 'firefox') return launchPuppeteer(engine, options);
  throw new Error(`no such engine: ${engine}`);
}

// Errors a page throws and anything it asks of the network, noted from
// inside it, for the engine whose driver hears neither.
function noteProblems() {
  if (window.quillProblems) return;
  window.quillProblems = [];
  const note = (text) => window.quillProblems.push(text);
  addEventListener('error', (event) => note(`error: ${event.message}`));
  addEventListener('unhandledrejection', (event) => note(`error: ${event.reason}`));
  addEventListener('securitypolicyviolation', (event) => note(`refused: ${event.blockedURI}`));
  for (const type of ['error', 'warn']) {
    const original = console[type];
    console[type] = (...args) => { note(`${type}: ${args.join(' ')}`); original.apply(console, args); };
  }
}
const requestsMade = () => performance.getEntriesByType('resource').map((entry) => `request: ${entry.name}`);

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
    close: () => browser.close(),
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
    goto: (url) => page.goto(url),
    evaluate: (fn, ...args) => evaluateInPuppeteer(page, fn, args),
    find: (role, name, scope = page) => scope.$(`aria/${name}[role="${role}"]`),
    click: (element) => element.click(),
    press,
    type: (text) => page.keyboard.type(text),
    accessKey,
    screenshot: (path, fullPage = false) => page.screenshot({ path, fullPage }),
    problems: async () => [...problems.splice(0), ...await page.evaluate(requestsMade)],
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

// Settles as the promise does, or fails once `seconds` have passed, naming what hung.
const within = (promise, seconds, what) => Promise.race([promise, new Promise((settled, failed) => {
  setTimeout(() => failed(new Error(`${what} did not answer in ${seconds} s`)), seconds * 1000).unref();
})]);

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
    can: { readClipboard: false, scale: false, devTools: false, turnScriptsOff: false },
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
      await script(noteProblems, []);
    },
    evaluate,
    find,
    click: (element) => inWindow(() => element.click()),
    press,
    type: (text) => inWindow(() => driver.actions().sendKeys(text).perform()),
    accessKey: (letter) => press(`Alt+${letter}`),
    screenshot: async (path) => writeFileSync(path, await inWindow(() => driver.takeScreenshot()), 'base64'),
    problems: async () => [...await evaluate(() => (window.quillProblems ?? []).splice(0)), ...await evaluate(requestsMade)],
    cdp: null,
    // The first window stays for the next page: closing this one leaves it blank.
    close: () => inWindow(() => (ownWindow ? driver.close() : driver.get('about:blank'))),
  };
}
