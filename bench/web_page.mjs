// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// Measures the web page in headless Chromium: the site's compressed size,
// page load to the first declaration against a floor page, and keystroke to
// refreshed output. Run by hand after script/build-web:
//
//   node bench/web_page.mjs [loads]
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { closeBrowsers, openPage, serve } from '../tests/web/harness.mjs';

const site = fileURLToPath(new URL('../build-web/site/', import.meta.url));
const loads = Number(process.argv[2] ?? 15);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

async function sizes() {
  const gzipped = {};
  for (const name of await readdir(site)) gzipped[name] = gzipSync(await readFile(join(site, name)), { level: 9 }).length;
  const sum = (names) => names.reduce((total, name) => total + gzipped[name], 0);
  return { page: sum(['index.html', 'style.css', 'cxxproto.js', 'cxxproto.wasm']), site: sum(Object.keys(gzipped)) };
}

// The floor: the same HTML and CSS, the start declaration written in, no
// script at all.
async function writeFloor(folder) {
  const page = await readFile(join(site, 'index.html'), 'utf8');
  await writeFile(join(folder, 'floor.html'), page
    .replace(/\s*<script src="cxxproto.js" defer><\/script>/, '')
    .replace(/<main id="Form1" inert>/, '<main id="Form1">'));
}

// Milliseconds from the start of navigation until the output box holds the
// declaration, in a new browser profile each time (no cache, no worker). A
// script of the browser's, run before the page's, looks at every turn of
// the event loop.
const watch = () => {
  const look = () => {
    const now = performance.now();
    if (document.getElementById('Text1')?.value.startsWith('public:')) globalThis.shownAt ??= now;
    if (document.getElementById('Form1')?.inert === false) globalThis.readyAt ??= now;
    if (globalThis.readyAt === undefined) setTimeout(look, 0);
  };
  look();
};

// Milliseconds to the first declaration and to the controls taking input.
async function timeLoad(url) {
  const page = await openPage(url, { fresh: true, wait: false, beforeLoad: watch });
  await page.waitForFunction(() => globalThis.readyAt !== undefined);
  const times = await page.evaluate(() => [globalThis.shownAt, globalThis.readyAt]);
  await page.browserContext().close();
  return times;
}

async function timeKeystrokes(url) {
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
  return times.map(median);
}

const folder = await mkdtemp(join(tmpdir(), 'cxxproto-bench-'));
await cp(site, folder, { recursive: true });
await writeFloor(folder);
const server = await serve(folder, '/bench/');
const page = [];
const floor = [];
await timeLoad(`${server.url}index.html`);  // warm-up, untimed
for (let i = 0; i < loads; i += 1) {
  page.push(await timeLoad(`${server.url}index.html`));
  floor.push(await timeLoad(`${server.url}floor.html`));
}
const [short, long] = await timeKeystrokes(`${server.url}index.html`);
const { page: pageSize, site: siteSize } = await sizes();
await closeBrowsers();
await server.close();
await rm(folder, { recursive: true });

console.log(`gzip: html, css, js and wasm ${kb(pageSize)} (aim ≤ 64 KB); whole site ${kb(siteSize)} (aim ≤ 150 KB)`);
const at = (times, which) => median(times.map((time) => time[which]));
for (const [which, what] of [[0, 'first declaration'], [1, 'controls take input']]) {
  console.log(`${what}: page ${at(page, which).toFixed(1)} ms, floor ${at(floor, which).toFixed(1)} ms, ` +
    `ratio ${(at(page, which) / at(floor, which)).toFixed(2)} (${loads} loads of each, interleaved)`);
}
console.log(`keystroke: short name ${short.toFixed(2)} ms (aim ≤ 4), 200,000 characters ${long.toFixed(2)} ms (aim ≤ 50)`);
