// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// WebKit, Safari's engine, for the page tests: WebKitGTK's MiniBrowser
// under Xvfb, driven over classic WebDriver by Debian's WebKitWebDriver
// through selenium-webdriver. Puppeteer cannot drive WebKit, so this gives
// the few parts of puppeteer's page that the tests use, and the tests stay
// one suite for the three engines.
//
// Classic WebDriver has no console events and no script run before the
// page's own, so what a page reports is read in two ways:
// - its start, once per address: a MiniBrowser of its own loads it with
//   WebKit's remote inspector on (which replays every console message since
//   the load), until the page's program has started;
// - the rest of its life: a watcher put into the page once it has loaded
//   records its errors, warnings and policy breaches.
// The remote inspector cannot serve a browser that WebKitWebDriver drives,
// hence the second browser for the start.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { Builder, By, Capabilities, Key, Origin } from 'selenium-webdriver';
import WebSocket from 'ws';

const driverPath = '/usr/bin/WebKitWebDriver';
const browserPath = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const pause = (milliseconds) => new Promise((resolve) => setTimeout(resolve, milliseconds));

// A port free on loopback, for a driver or an inspector to listen on.
function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer().once('error', reject).listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Asks `ask` until it answers something, at most `seconds` long.
async function poll(ask, seconds, what) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await pause(50)) {
    try {
      const answer = await ask();
      if (answer) return answer;
    } catch { /* not there yet */ }
  }
  throw new Error(`WebKit: ${what} did not come within ${seconds} s`);
}

async function startDriver() {
  const port = await freePort();
  const driver = spawn(driverPath, ['--host=127.0.0.1', `--port=${port}`], { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}`;
  try {
    await poll(async () => (await fetch(`${url}/status`)).ok, 10, 'WebKitWebDriver');
  } catch (error) {
    driver.kill();
    throw error;
  }
  return { url, stop: () => driver.kill() };
}

// What the page's console said at error or warning level from its load
// until its program started (or `seconds` passed), through the inspector of
// a MiniBrowser of its own.
async function startReports(url, seconds = 10) {
  const inspector = `127.0.0.1:${await freePort()}`;
  const browser = spawn(browserPath, [url], {
    stdio: 'ignore', env: { ...process.env, WEBKIT_INSPECTOR_HTTP_SERVER: inspector },
  });
  const problems = [];
  try {
    const list = await poll(async () => (await (await fetch(`http://${inspector}/`)).text()).match(/\/socket\/[^']+/), 10,
      'the inspector');
    const socket = new WebSocket(`ws://${inspector}${list[0]}`);
    const target = new Promise((resolve) => socket.on('message', (data) => {
      const message = JSON.parse(data);
      if (message.method === 'Target.targetCreated') resolve(message.params.targetInfo.targetId);
      if (message.method !== 'Target.dispatchMessageFromTarget') return;
      const inner = JSON.parse(message.params.message);
      if (inner.method === 'Console.messageAdded' && ['error', 'warning'].includes(inner.params.message.level)) {
        problems.push(`${inner.params.message.level} at the start: ${inner.params.message.text}`);
      }
      answers.get(inner.id)?.(inner.result?.result?.value);
    }));
    const answers = new Map();
    let next = 1;
    const ask = async (method, params = {}) => {
      const id = next++;
      const answered = new Promise((resolve) => answers.set(id, resolve));
      socket.send(JSON.stringify({ id: next++, method: 'Target.sendMessageToTarget',
        params: { targetId: await target, message: JSON.stringify({ id, method, params }) } }));
      return answered;
    };
    await ask('Console.enable');
    const started = "document.readyState === 'complete' && document.getElementById('Command1')?.disabled === false";
    await poll(() => ask('Runtime.evaluate', { expression: started, returnByValue: true }), seconds, 'the program');
    // What the program does as it starts (a worker registered, say) is
    // reported within a few turns; the answer to a last question comes
    // after all of it.
    await pause(300);
    await ask('Runtime.evaluate', { expression: '0' });
    socket.close();
  } finally {
    browser.kill();
  }
  return problems;
}

const keys = {
  End: Key.END, Home: Key.HOME, Backspace: Key.BACK_SPACE, Tab: Key.TAB, Enter: Key.ENTER,
  Escape: Key.ESCAPE, ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT,
};

// Runs `fn` (a function, or a script's text) in the page with `args`,
// awaiting what it returns.
const script = (fn) => (typeof fn === 'string' ? fn : `return (${fn}).apply(null, arguments);`);

// Put into each page once it has loaded: records what the page reports.
function watch() {
  if (globalThis.cxxprotoWatch) return;
  const problems = [];
  globalThis.cxxprotoWatch = problems;
  addEventListener('error', (event) => problems.push(`uncaught: ${event.message}`));
  addEventListener('unhandledrejection', (event) => problems.push(`uncaught: ${event.reason}`));
  document.addEventListener('securitypolicyviolation',
    (violation) => problems.push(`security policy: ${violation.violatedDirective} ${violation.blockedURI}`));
  for (const level of ['error', 'warn']) {
    const original = console[level];
    console[level] = (...message) => {
      problems.push(`${level}: ${message.join(' ')}`);
      original.apply(console, message);
    };
  }
}

// What the watcher recorded, and every resource the page asked of another
// origin (data: addresses are the page's own).
function recorded() {
  const problems = [...(globalThis.cxxprotoWatch ?? [])];
  for (const { name } of performance.getEntriesByType('resource')) {
    const asked = new URL(name);
    if (asked.protocol !== 'data:' && (asked.protocol !== location.protocol || asked.host !== location.host)) {
      problems.push(`other origin: ${name}`);
    }
  }
  return problems;
}

class WebKitPage {
  constructor(browser, handle) {
    this.browser = browser;
    this.driver = browser.driver;
    this.handle = handle;
    this.problems = [];
    this.keyboard = {
      press: (key) => this.driver.actions().sendKeys(keys[key] ?? key).perform(),
      type: (text) => this.driver.actions().sendKeys(text).perform(),
    };
    this.mouse = {
      click: (x, y) => this.driver.actions()
        .move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT }).click().perform(),
    };
  }

  evaluate(fn, ...args) { return this.driver.executeScript(script(fn), ...args); }

  $eval(selector, fn, ...args) {
    return this.driver.executeScript(`return (${fn}).apply(null, [document.querySelector(arguments[0]), ...arguments[1]]);`,
      selector, args);
  }

  $$eval(selector, fn, ...args) {
    return this.driver.executeScript(`return (${fn}).apply(null, [[...document.querySelectorAll(arguments[0])], ...arguments[1]]);`,
      selector, args);
  }

  async $(selector) {
    return {
      evaluate: (fn, ...args) => this.$eval(selector, fn, ...args),
      boundingBox: () => this.$eval(selector, (element) => {
        const { x, y, width, height } = element.getBoundingClientRect();
        return { x, y, width, height };
      }),
    };
  }

  click(selector) { return this.driver.findElement(By.css(selector)).click(); }
  focus(selector) { return this.$eval(selector, (element) => element.focus()); }
  async type(selector, text) { await this.focus(selector); await this.keyboard.type(text); }
  waitForFunction(fn) { return this.driver.wait(() => this.evaluate(fn), 30000); }

  // The window's size is set for the viewport to come out as asked; a
  // MiniBrowser window is never narrower than its toolbar, about 450 px.
  async setViewport({ width, height }) {
    await this.driver.manage().window().setRect({ width, height });
    const [innerWidth, innerHeight] = await this.evaluate(() => [innerWidth, innerHeight]);
    await this.driver.manage().window().setRect({ width: 2 * width - innerWidth, height: 2 * height - innerHeight });
  }

  // Once the page has loaded, or as soon as it is read: a page whose module
  // is held back never loads until it comes, and its start is then watched
  // from within.
  async goto(url, { waitUntil = 'load' } = {}) {
    if (waitUntil === 'load') {
      this.problems.push(...await this.browser.startProblems(url));
      await this.load(() => this.driver.get(url));
      return;
    }
    await this.load(async () => {
      await this.evaluate((address) => { location.href = address; }, url);
      await this.driver.wait(() => this.evaluate((address) => location.href === address &&
        document.readyState !== 'loading', url), 30000);
    });
  }

  reload() { return this.load(() => this.driver.navigate().refresh()); }

  async load(navigate) {
    await this.takeRecorded();
    await navigate();
    await this.evaluate(watch);
  }

  async takeRecorded() {
    if ((await this.driver.getCurrentUrl()) !== 'about:blank') this.problems.push(...await this.evaluate(recorded));
  }

  async close() {
    await this.driver.switchTo().window(this.handle);
    await this.takeRecorded();
    await this.driver.close();
    const [first] = await this.driver.getAllWindowHandles();
    await this.driver.switchTo().window(first);
  }
}

// A MiniBrowser session with the settings of its command line; every page is
// a window of its own in it.
class WebKitBrowser {
  constructor(settings) {
    this.settings = settings;
    this.startsSeen = new Set();
  }

  async start() {
    this.driverServer = await startDriver();
    const args = ['--automation', `--enable-javascript=${this.settings.scripts}`];
    if (this.settings.dark) args.push('--dark-mode');
    this.driver = await new Builder().usingServer(this.driverServer.url).withCapabilities(new Capabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: browserPath, args },
    })).build();
    return this;
  }

  // What the page at `url` reports as it starts: looked at once per address
  // (a page whose program never starts, without scripts, is not).
  async startProblems(url) {
    if (!this.settings.scripts || this.startsSeen.has(url)) return [];
    this.startsSeen.add(url);
    return startReports(url);
  }

  async newPage() {
    await this.driver.switchTo().newWindow('window');
    return new WebKitPage(this, await this.driver.getWindowHandle());
  }

  // A browser of its own: nothing cached, no worker.
  createBrowserContext() { return new WebKitBrowser(this.settings).start(); }

  async close() {
    try {
      await this.driver.quit();
    } finally {
      this.driverServer.stop();
    }
  }
}

export const launchWebKit = (settings) => new WebKitBrowser(settings).start();
