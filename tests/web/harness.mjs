// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// What the page tests share: a static server for the built site, the
// browsers, a page per test that records every console message, and the
// measures the tests compare (lines, colours, contrast).
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';
import { launchWebKit } from './webkit.mjs';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

// Serves `folder` under `prefix` on 127.0.0.1 (at `port`, or any free one),
// as a static host serves a subfolder; every path asked for is kept in
// `requests`, every one it could not answer in `failures`, with `headers`
// added to every answer. `holdModule()`
// keeps the WebAssembly module back, as a slow network does, until the
// function it returns is called. Closing the server cuts every connection
// at once, as a network that goes down does.
export async function serve(folder, prefix, port = 0, headers = {}) {
  const requests = [];
  const failures = [];
  let moduleHeld = null;
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    requests.push(path);
    const file = path.startsWith(prefix) ? normalize(path.slice(prefix.length) || 'index.html') : null;
    try {
      if (file === null || file.startsWith('..')) throw new Error('outside the site');
      if (file.endsWith('.wasm')) await moduleHeld;
      const body = await readFile(join(folder, file.endsWith('/') ? `${file}index.html` : file));
      response.writeHead(200, { ...headers, 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      failures.push(path);
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}${prefix}`,
    requests,
    failures,
    port: server.address().port,
    holdModule: () => {
      let release;
      moduleHeld = new Promise((resolve) => { release = resolve; });
      return () => { moduleHeld = null; release(); };
    },
    close: () => new Promise((resolve) => { server.close(resolve); server.closeAllConnections(); }),
  };
}

// Debian's browsers, headless, without their background traffic, and
// WebKitGTK's MiniBrowser (webkit.mjs). Firefox and WebKit take a dark
// scheme, a larger text size or scripts turned off when they start, so such
// a page needs a browser of its own there; Chromium sets them per page.
const launchers = {
  chromium: () =>
    puppeteer.launch({
      browser: 'chrome',
      executablePath: '/usr/bin/chromium',
      headless: true,
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-sync',
        '--disable-background-networking', '--disable-component-update', '--disable-features=Translate'],
    }),
  firefox: ({ dark, textSize, scripts }) =>
    puppeteer.launch({
      browser: 'firefox',
      executablePath: '/usr/bin/firefox-esr',
      headless: true,
      extraPrefsFirefox: {
        'layout.css.prefers-color-scheme.content-override': dark ? 0 : 1,
        'font.size.variable.x-western': textSize,
        'javascript.enabled': scripts,
      },
    }),
  webkit: launchWebKit,
};

export const browserName = process.env.CXXPROTO_BROWSER ?? 'chromium';
const launched = new Map();

function browser(settings) {
  const key = browserName === 'chromium' ? '' : JSON.stringify(settings);
  if (!launched.has(key)) launched.set(key, launchers[browserName](settings));
  return launched.get(key);
}

// What an engine cannot be made to do here, and why: tests that need it are
// skipped there, with the reason, and counted as skipped.
export const cannot = {
  textSize: browserName === 'webkit' && 'MiniBrowser takes no text size from its command line',
  phoneWidth: browserName === 'webkit' && 'a MiniBrowser window is never narrower than its toolbar, about 450 px',
};

export async function closeBrowsers() {
  for (const pending of launched.values()) await (await pending).close();
  launched.clear();
}

// A new page on `url`, once its program has started (unless told not to
// wait: then as soon as the page is read), in the scheme asked for, on the
// screen of `device` (one of puppeteer's KnownDevices, Chromium only) and with the
// browser's text size at `textSize` pixels (16 by default), its processor
// `cpuSlowdown` times slower (Chromium only); `fresh` opens it
// in a profile of its own, with nothing cached, and `beforeLoad` runs in it
// before the page's own scripts. Every console message, uncaught error,
// failed request, request to another origin and breach of the security
// policy on it lands in `page.problems`.
export async function openPage(url, {
  width = 1280, height = 800, dark = false, textSize = 16, scripts = true, fresh = false, wait = true, beforeLoad, device,
  cpuSlowdown = 1,
} = {}) {
  const launchedBrowser = await browser({ dark, textSize, scripts });
  const page = await (fresh ? await launchedBrowser.createBrowserContext() : launchedBrowser).newPage();
  if (browserName === 'webkit') {
    await page.setViewport({ width, height });
  } else {
    await watchPuppeteerPage(page, new URL(url));
    if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
    await (device ? page.emulate(device) : page.setViewport({ width, height }));
  }
  if (browserName === 'chromium') {
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: dark ? 'dark' : 'light' }]);
    const session = await page.createCDPSession();
    await session.send('Page.setFontSizes', { fontSizes: { standard: textSize } });
    await page.setJavaScriptEnabled(scripts);
    await page.emulateCPUThrottling(cpuSlowdown);
  }
  await page.goto(url, { waitUntil: wait ? 'load' : 'domcontentloaded' });
  if (scripts && wait) await started(page);
  return page;
}

async function watchPuppeteerPage(page, home) {
  page.problems = [];
  page.on('console', (message) => {
    if (['error', 'warn', 'warning', 'assert'].includes(message.type())) {
      page.problems.push(`${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => page.problems.push(`uncaught: ${error.message}`));
  page.on('requestfailed', (request) => page.problems.push(`failed: ${request.url()}`));
  page.on('response', (response) => {
    if (response.status() >= 400) page.problems.push(`${response.status()}: ${response.url()}`);
  });
  // Nothing is ever asked of another origin (data: addresses are the page's
  // own), and every breach of the page's security policy is reported.
  page.on('request', (request) => {
    const asked = new URL(request.url());
    if (asked.protocol !== 'data:' && (asked.protocol !== home.protocol || asked.host !== home.host)) {
      page.problems.push(`other origin: ${request.url()}`);
    }
  });
  await page.evaluateOnNewDocument(() => document.addEventListener('securitypolicyviolation',
    (violation) => console.error(`security policy: ${violation.violatedDirective} ${violation.blockedURI}`)));
}

// The page's program has started: "Validez", the one control that waits
// for it, takes presses.
export const started = (page) => page.waitForFunction(() => !document.getElementById('Command1').disabled);
export const output = (page) => page.$eval('#Text1', (box) => box.value);
export const line2 = async (page) => (await output(page)).split('\n')[1];

// What does not fit: the page scrolling sideways, or an element of the page
// cut by the viewport's edge or too narrow for its own content.
export function cutOff(page) {
  return page.evaluate(() => {
    const all = [...document.querySelectorAll('main *:not(.visually-hidden):not(datalist):not(option)')];
    const viewport = document.documentElement.clientWidth;
    return [document.documentElement.scrollWidth > viewport ? 'page scrolls sideways' : null,
      ...all.filter((element) => {
        const box = element.getBoundingClientRect();
        return box.left < 0 || box.right > viewport || (element.scrollWidth > element.clientWidth + 1 &&
          !['TEXTAREA', 'INPUT'].includes(element.tagName));
      }).map((element) => element.id || element.textContent.trim())].filter(Boolean);
  });
}

// The size of what a pointer aims at for each control (the check boxes alone
// and with their captions), and the font size of each text field.
export function targets(page) {
  return page.evaluate(() => [...document.querySelectorAll(
    '#Slider1, #textnom, #textRetour, #textParam, #Command1, .qualifier, input[type=checkbox]')]
    .map((element) => {
      const box = element.getBoundingClientRect();
      return { name: element.id || element.textContent.trim(), width: box.width, height: box.height,
        font: element.matches('input[type=text], textarea') ? parseFloat(getComputedStyle(element).fontSize) : null };
    }));
}

// Replaces a box's whole text as one edit, as a paste does.
export function paste(page, selector, text) {
  return page.$eval(selector, (box, text) => {
    box.focus();
    box.select();
    document.execCommand('insertText', false, text);
  }, text);
}

// The colours the page paints: an element's text, and what lies behind it
// (its own background or the nearest opaque one of its ancestors).
export function shownColours(page, selector) {
  return page.$eval(selector, (element) => {
    const channels = (css) => css.match(/[\d.]+/g).map(Number);
    let behind = element;
    while (behind && channels(getComputedStyle(behind).backgroundColor)[3] === 0) behind = behind.parentElement;
    return {
      text: channels(getComputedStyle(element).color).slice(0, 3),
      behind: behind ? channels(getComputedStyle(behind).backgroundColor).slice(0, 3) : [255, 255, 255],
    };
  });
}

const luminance = (rgb) => {
  const linear = (c) => (c / 255 <= 0.04045 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
  return 0.2126 * linear(rgb[0]) + 0.7152 * linear(rgb[1]) + 0.0722 * linear(rgb[2]);
};

export function contrast(a, b) {
  const [high, low] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (high + 0.05) / (low + 0.05);
}

// The HSL hue, in degrees.
export function hue([r, g, b]) {
  const high = Math.max(r, g, b);
  const chroma = high - Math.min(r, g, b);
  if (chroma === 0) return 0;
  const sextant = high === r ? ((g - b) / chroma + 6) % 6 : high === g ? (b - r) / chroma + 2 : (r - g) / chroma + 4;
  return sextant * 60;
}
