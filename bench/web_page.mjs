// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// Measures the web page: the site's compressed size; from the start of
// navigation to the first declaration and to the moment a keystroke typed
// at once reaches the declaration, against a floor page, in Chromium,
// Firefox and WebKit, and in Chromium with its processor four times
// slower; and keystroke to refreshed output. Run by hand after
// script/build-web (WebKit under Xvfb):
//
//   xvfb-run -a node bench/web_page.mjs [loads] [engines...]
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const site = fileURLToPath(new URL('../build-web/site/', import.meta.url));
const loads = Number(process.argv[2] ?? 11);
const engines = process.argv.length > 3 ? process.argv.slice(3) : ['chromium', 'chromium-slowed', 'firefox', 'webkit'];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

async function sizes() {
  const gzipped = {};
  for (const name of await readdir(site)) gzipped[name] = gzipSync(await readFile(join(site, name)), { level: 9 }).length;
  const sum = (names) => names.reduce((total, name) => total + gzipped[name], 0);
  return { page: sum(['index.html', 'style.css', 'cxxproto.js', 'cxxproto.wasm']), site: sum(Object.keys(gzipped)) };
}

// Run first in each page, from a file of its own (the page's policy admits
// no inline script): the time of the first contentful paint (the
// declaration is in the page's HTML), and the time the program has started
// with the letter typed into the name box as soon as the page was read.
const probe = () => {
  const times = {};
  globalThis.probeTimes = times;
  document.addEventListener('readystatechange', () => {
    if (document.readyState !== 'interactive') return;
    const name = document.getElementById('textnom');
    name.value += 'x';
    name.dispatchEvent(new Event('input'));
    const validez = document.getElementById('Command1');
    if (!validez.disabled) return;  // the floor: no program to wait for
    new MutationObserver(() => {
      if (!document.getElementById('Text1').value.includes('totox')) return;
      times.startedAt ??= performance.now();
      const arrived = (name) => performance.getEntriesByType('resource').find((entry) => entry.name.endsWith(name))?.responseEnd;
      times.arrivals = [arrived('cxxproto.js'), arrived('cxxproto.wasm')];
    }).observe(validez, { attributes: true });
  });
  const painted = () => performance.getEntriesByName('first-contentful-paint')[0]?.startTime;
  const look = () => {
    times.shownAt ??= painted();
    if (times.shownAt === undefined) requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
};

// The page and the floor (the same HTML and CSS, the start declaration
// written in, no script of the page's at all), each with the probe first.
async function writePages(folder) {
  await writeFile(join(folder, 'probe.js'), `(${probe})();\n`);
  const withProbe = (html) => html.replace('<meta name="color-scheme"', '<script src="probe.js"></script>\n  $&');
  const page = await readFile(join(site, 'index.html'), 'utf8');
  await writeFile(join(folder, 'index.html'), withProbe(page));
  await writeFile(join(folder, 'floor.html'), withProbe(page)
    .replace(/\s*<script src="(start|cxxproto).js"[^>]*><\/script>/g, '')
    .replace(' disabled>Validez', '>Validez'));
  // No worker: every load is a first visit.
  await rm(join(folder, 'sw.js'));
}

// Milliseconds to the first declaration and to the page taking a keystroke
// (the floor takes one as soon as it shows).
async function timeLoad(openPage, url, options) {
  const page = await openPage(url, { ...options, wait: false });
  await page.waitForFunction(() => globalThis.probeTimes?.shownAt !== undefined &&
    (globalThis.probeTimes.startedAt !== undefined || !document.getElementById('Command1').disabled));
  const { shownAt, startedAt, arrivals = [] } = await page.evaluate(() => globalThis.probeTimes);
  await page.close();
  return [shownAt, Math.max(shownAt, startedAt ?? shownAt), startedAt ?? 0, ...arrivals];
}

// Loads of the page and of the floor, interleaved, after one untimed
// warm-up of each, in a browser of its own; every answer uncached.
async function timeEngine(engine, url) {
  process.env.CXXPROTO_BROWSER = engine.replace('-slowed', '');
  const { openPage, closeBrowsers } = await import(`../tests/web/harness.mjs?${engine}`);
  const options = engine === 'chromium-slowed' ? { cpuSlowdown: 4 } : {};
  const times = { page: [], floor: [] };
  for (let i = -1; i < loads; i += 1) {
    for (const which of ['page', 'floor']) {
      const time = await timeLoad(openPage, `${url}${which === 'page' ? 'index' : 'floor'}.html`, options);
      if (i >= 0) times[which].push(time);
    }
  }
  await closeBrowsers();
  return times;
}

async function timeKeystrokes(url) {
  process.env.CXXPROTO_BROWSER = 'chromium';
  const { openPage, closeBrowsers } = await import('../tests/web/harness.mjs?keystrokes');
  const page = await openPage(url);
  const times = await page.evaluate(() => {
    const box = document.getElementById('textnom');
    const time = (text) => {
      const each = [];
      for (let i = 0; i < 31; i += 1) {
        box.value = text + (i % 2 ? 'x' : '');
        const start = performance.now();
        box.dispatchEvent(new Event('input'));
        each.push(performance.now() - start);
      }
      return each;
    };
    return [time('toto'), time('n'.repeat(200000))];
  });
  await page.close();
  await closeBrowsers();
  return times.map(median);
}

const { serve } = await import('../tests/web/harness.mjs');
const folder = await mkdtemp(join(tmpdir(), 'cxxproto-bench-'));
await cp(site, folder, { recursive: true });
await writePages(folder);
const server = await serve(folder, '/bench/', 0, { 'Cache-Control': 'no-store' });
const results = {};
for (const engine of engines) results[engine] = await timeEngine(engine, server.url);
const [short, long] = await timeKeystrokes(`${server.url}index.html`);
const { page: pageSize, site: siteSize } = await sizes();
await server.close();
await rm(folder, { recursive: true });

console.log(`gzip: html, css, js and wasm ${kb(pageSize)} (aim ≤ 64 KB); whole site ${kb(siteSize)} (aim ≤ 150 KB)`);
const at = (times, which) => median(times.map((time) => time[which]));
for (const [engine, { page, floor }] of Object.entries(results)) {
  const shown = at(page, 0) / at(floor, 0);
  const ready = at(page, 1) / at(floor, 1);
  console.log(`${engine}: first declaration ${at(page, 0).toFixed(1)} ms, floor ${at(floor, 0).toFixed(1)} ms, ` +
    `ratio ${shown.toFixed(2)}; keystroke taken ${at(page, 1).toFixed(1)} ms, ratio ${ready.toFixed(2)} ` +
    `(aim ≤ ${engine === 'chromium' ? '1.3' : '1.5'}; ${loads} loads of each, interleaved)`);
  console.log(`  page: script in at ${at(page, 3).toFixed(1)} ms, module in at ${at(page, 4).toFixed(1)} ms, ` +
    `program started at ${at(page, 2).toFixed(1)} ms`);
}
console.log(`keystroke: short name ${short.toFixed(2)} ms (aim ≤ 4), 200,000 characters ${long.toFixed(2)} ms (aim ≤ 50)`);
