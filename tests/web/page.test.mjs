// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// The page, driven as a user drives it, in the browser named by
// CXXPROTO_BROWSER (chromium, firefox or webkit), served from a subfolder
// and opened from disk.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, afterEach, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import {
  browserName, cannot, closeBrowsers, contrast, cutOff, hue, line2, openPage, output, paste, serve, shownColours,
  started, targets,
} from './harness.mjs';

const site = fileURLToPath(new URL('../../build-web/site/', import.meta.url));
const singleFile = new URL('../../build-web/cxxproto.html', import.meta.url).href;
const axeSource = await readFile(fileURLToPath(import.meta.resolve('axe-core/axe.min.js')), 'utf8');
let server;
let page;

before(async () => { server = await serve(site, '/outils/cxxproto/'); });
after(async () => { await closeBrowsers(); await server.close(); });
// Every page, every test: not one console error or warning, policy breach,
// failed request or request to another origin.
const finish = async () => {
  if (!page) return;
  await page.close();
  const problems = [...page.problems, ...server.failures.splice(0).map((path) => `not found: ${path}`)];
  page = null;
  assert.deepEqual(problems, []);
};
afterEach(finish);

let address;  // of the page under test: the site, or the single file
const open = async (options) => { page = await openPage(address(), options); return page; };
const typeAtEnd = async (selector, text) => {
  await page.focus(selector);
  await page.keyboard.press('End');
  await page.keyboard.type(text);
};
const check = (i) => page.click(`#Check1_${i}`);
const checked = () => page.$$eval('input[type=checkbox]', (boxes) => boxes.map((box) => box.checked));

// The same behaviours from the site and from the single file opened from disk.
for (const [form, url] of [['site', () => server.url], ['single file', () => singleFile]]) describe(`the page (${form}) in ${browserName}`, () => {
  before(() => { address = url; });

  test('starts as the window does', async () => {
    await open();
    assert.equal(await output(page), 'public:\n   void toto(void) ;');
    // The page arrives with the start declaration written in.
    const html = await readFile(join(site, 'index.html'), 'utf8');
    assert.equal(html.match(/<textarea id="Text1"[^>]*>([^<]*)</)[1], await output(page));
    assert.deepEqual(await page.evaluate(() => [document.title, document.documentElement.lang,
      document.activeElement === document.body, document.getElementById('textParam').value,
      document.getElementById('Slider1').getAttribute('aria-valuetext')]),
    ['Prototype des fonctions en C++', 'fr', true, 'void\n', 'public']);
    assert.deepEqual(await checked(), [false, false, false, false]);
    assert.ok(!server.requests.some((path) => !path.startsWith('/outils/cxxproto/')), server.requests.join());
  });

  test('says in French that it needs scripts, where they are off', async () => {
    await open({ scripts: false });
    assert.deepEqual(await page.evaluate(() => [getComputedStyle(document.getElementById('Unsupported')).visibility,
      document.getElementById('Command1').disabled]), ['visible', true]);
    assert.match(await page.$eval('#Unsupported', (notice) => notice.textContent), /JavaScript et de WebAssembly/);
  });

  test('follows every keystroke in the name and the return type', async (t) => {
    const rows = [
      { name: 'appendToName', box: '#textnom', keys: ['End', 'f'], line2: '   void totof(void) ;' },
      { name: 'insertInName', box: '#textnom', keys: ['Home', 'g'], line2: '   void gtoto(void) ;' },
      { name: 'clearName', box: '#textnom', keys: ['End', 'Backspace', 'Backspace', 'Backspace', 'Backspace'],
        line2: '   void (void) ;' },
      { name: 'returnTypeSpacesKept', box: '#textRetour', text: 'int  ', line2: '   int   toto(void) ;' },
      { name: 'surrogatePair', box: '#textnom', text: 'f\u{1F600}', line2: '   void f\u{1F600}(void) ;' },
      { name: 'markupIsText', box: '#textnom', text: '<img src=x onerror=alert(1)>',
        line2: '   void <img src=x onerror=alert(1)>(void) ;' },
    ];
    for (const row of rows) {
      await t.test(row.name, async () => {
        await open();
        if (row.text !== undefined) await paste(page, row.box, row.text);
        for (const key of row.keys ?? []) {
          await (key.length === 1 ? page.type(row.box, key) : page.focus(row.box).then(() => page.keyboard.press(key)));
        }
        assert.equal(await line2(page), row.line2);
        assert.equal(await page.$$eval('img', (images) => images.length), 0);
        await finish();
      });
    }
  });

  test('applies the qualifier rules, pure virtual forcing virtual', async (t) => {
    const rows = [
      { name: 'const', clicks: [3], boxes: [false, false, false, true], line2: '   void toto(void) const ;' },
      { name: 'constOff', clicks: [3, 3], boxes: [false, false, false, false], line2: '   void toto(void) ;' },
      { name: 'pure', clicks: [2], boxes: [false, true, true, false], line2: '   virtual void toto(void)  = 0 ;' },
      { name: 'virtualStaysWithPure', clicks: [2, 1], boxes: [false, true, true, false],
        line2: '   virtual void toto(void)  = 0 ;' },
      { name: 'pureOffKeepsVirtual', clicks: [2, 2], boxes: [false, true, false, false],
        line2: '   virtual void toto(void) ;' },
      { name: 'all', clicks: [0, 2, 3], boxes: [true, true, true, true],
        line2: '   inline virtual void toto(void) const  = 0 ;' },
    ];
    for (const row of rows) {
      await t.test(row.name, async () => {
        await open();
        for (const box of row.clicks) await check(box);
        assert.deepEqual(await checked(), row.boxes);
        assert.equal(await line2(page), row.line2);
        await finish();
      });
    }
  });

  test('sets the access and its hue from the slider, by mouse and keyboard', async () => {
    await open();
    const slider = await page.$('#Slider1');
    const box = await slider.boundingBox();
    const rows = [
      { act: () => page.mouse.click(box.x + box.width - 2, box.y + box.height / 2), line1: 'private:', word: 'private', hue: 0 },
      { act: () => page.keyboard.press('ArrowLeft'), line1: 'protected:', word: 'protected', hue: 30 },
      { act: () => page.keyboard.press('ArrowLeft'), line1: 'public:', word: 'public', hue: 120 },
    ];
    for (const row of rows) {
      await row.act();
      assert.equal((await output(page)).split('\n')[0], row.line1);
      assert.equal(await slider.evaluate((range) => range.getAttribute('aria-valuetext')), row.word);
      const { text, behind } = await shownColours(page, '#Text1');
      assert.ok(Math.abs(hue(text) - row.hue) <= 2, `${row.line1} ${text}`);
      assert.ok(contrast(text, behind) >= 4.5, `${row.line1} ${text} on ${behind}`);
    }
  });

  test('takes the parameters when Validez is pressed, and only then', async (t) => {
    const rows = [
      { name: 'startText', text: null, line2: '   void toto(void) ;' },
      { name: 'twoLines', text: 'int a\nchar * b', line2: '   void toto(int a, char * b) ;' },
      { name: 'blankLines', text: '  x  \n\ny\n\n', line2: '   void toto(x, , y) ;' },
      { name: 'emptied', text: '', line2: '   void toto(void) ;' },
    ];
    for (const row of rows) {
      await t.test(row.name, async () => {
        await open();
        if (row.text !== null) await paste(page, '#textParam', row.text);
        assert.equal(await line2(page), '   void toto(void) ;');
        await page.click('#Command1');
        assert.equal(await line2(page), row.line2);
        await finish();
      });
    }
  });

  test('keeps what is typed in the output box until the next handled event', async () => {
    await open();
    await paste(page, '#Text1', 'mes notes');
    await page.type('#textParam', 'int a');  // no handler
    assert.equal(await output(page), 'mes notes');
    await typeAtEnd('#textnom', 'x');
    assert.equal(await line2(page), '   void totox(void) ;');
  });

  test('reports an overflow in a dialog and loses nothing', async (t) => {
    const tooLong = 'a'.repeat(32767);
    for (const key of ['Enter', 'Escape']) {
      await t.test(key, async () => {
        await open();
        await paste(page, '#textParam', tooLong);
        await page.focus('#Command1');
        await page.keyboard.press('Enter');
        assert.match(await page.$eval('#Message', (dialog) => dialog.open && dialog.textContent),
          /Dépassement de capacité\u00A0: le texte des paramètres compte 32\u202F767 caractères, 32\u202F766 au plus\./);
        await page.keyboard.press(key);
        assert.deepEqual(await page.evaluate(() => [document.getElementById('Message').open,
          document.activeElement.id, document.getElementById('textParam').value.length]),
        [false, 'Command1', 32767]);
        assert.equal(await line2(page), '   void toto(void) ;');
        await finish();
      });
    }
    await t.test('longestPasses', async () => {
      await open();
      await paste(page, '#textParam', tooLong.slice(1));
      await page.click('#Command1');
      assert.equal((await line2(page)).length, 32766 + '   void toto() ;'.length);
    });
  });

  test('keeps a 200,000-character paste whole in every box', async () => {
    await open();
    const long = 'n'.repeat(199999) + 'é';
    for (const box of ['#textnom', '#textRetour', '#textParam']) await paste(page, box, long);
    const shown = await line2(page);
    assert.ok(shown === `   ${long} ${long}(void) ;`, `${shown.length} characters`);
    assert.equal(await page.$eval('#textParam', (box) => box.value.length), 200000);
  });

  test('is used with the keyboard alone, in the window\'s tab order', async () => {
    await open();
    const order = [];
    for (let i = 0; i < 10; i += 1) {
      await page.keyboard.press('Tab');
      order.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(order, ['Slider1', 'Text1', 'textnom', 'textRetour', 'textParam', 'Command1',
      'Check1_0', 'Check1_1', 'Check1_2', 'Check1_3']);
    await page.keyboard.press(' ');  // ticks const
    await page.focus('#Slider1');
    await page.keyboard.press('ArrowRight');
    assert.equal(await output(page), 'protected:\n   void toto(void) const ;');
    // Enter starts a line in the parameter box and never presses Validez.
    await paste(page, '#textParam', 'int a');
    await page.keyboard.press('Enter');
    await page.focus('#textnom');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#textParam', (box) => box.value), 'int a\n');
    assert.equal(await line2(page), '   void toto(void) const ;');
    await page.focus('#Command1');
    await page.keyboard.press('Enter');
    assert.equal(await line2(page), '   void toto(int a) const ;');
  });

  test('reads each new declaration out once, politely', async () => {
    await open();
    const spoken = () => page.$eval('#Announcement', (region) => [region.getAttribute('role'), region.textContent]);
    await check(0);
    assert.deepEqual(await spoken(), ['status', 'public: inline void toto(void) ;']);
    await typeAtEnd('#textnom', 'x');  // typing is not read out
    assert.equal((await spoken())[1], 'public: inline void toto(void) ;');
    await page.click('#Command1');
    assert.equal((await spoken())[1], 'public: inline void totox(void) ;');
  });

  test('keeps the declaration and the C++ words from translation', async () => {
    await open();
    const untranslated = await page.$$eval('#Text1, #textnom, #textRetour, #textParam, .legend, .qualifier, #Announcement',
      (elements) => elements.filter((element) => element.translate).map((element) => element.id));
    assert.deepEqual(untranslated, []);
  });
});

describe(`the page's look in ${browserName}`, () => {
  before(() => { address = () => server.url; });

  for (const dark of [false, true]) {
    const scheme = dark ? 'dark' : 'light';
    test(`keeps every coloured text legible, ${scheme}`, async () => {
      await open({ dark });
      const page_ = await shownColours(page, 'main');
      assert.equal(contrast(page_.behind, [0, 0, 0]) < contrast(page_.behind, [255, 255, 255]), dark);
      const rows = [['#Label1', 3, 120], ['#Label2', 3, 30], ['#Label3', 3, 0], ['.qualifier', 3, 240],
        ['#Text1', 4.5, 120], ['label[for=textnom]', 4.5, null], ['legend', 4.5, null]];
      for (const [selector, least, designedHue] of rows) {
        const { text, behind } = await shownColours(page, selector);
        assert.ok(contrast(text, behind) >= least, `${selector}: ${text} on ${behind}`);
        if (designedHue !== null) assert.ok(Math.abs(hue(text) - designedHue) <= 2, `${selector}: ${text}`);
      }
    });

    test(`passes axe-core, ${scheme}`, async () => {
      await open({ dark });
      await page.evaluate(axeSource);
      const violations = await page.evaluate(async () => (await globalThis.axe.run()).violations
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target).join(' ')}`));
      assert.deepEqual(violations, []);
    });
  }

  // Twips of the window over 15: its pixels at 96 dpi.
  test('stands as the window on a wide screen', async () => {
    await open({ width: 1280 });
    const places = await page.$$eval('#Slider1, #Text1, #textnom, #textRetour, #textParam, #Command1, #Frame1',
      (elements) => {
        const form = document.getElementById('Form1').getBoundingClientRect();
        return elements.map((element) => {
          const box = element.getBoundingClientRect();
          return [element.id, ...[box.left - form.left, box.top - form.top, box.width, box.height].map(Math.round)];
        });
      });
    const twips = [['Slider1', 240, 600, 4215, 375], ['Text1', 360, 6720, 16935, 2055], ['textnom', 8760, 840, 7500, 465],
      ['textRetour', 8760, 360, 7500, 465], ['textParam', 7080, 2640, 6735, 3615],
      ['Command1', 12360, 2040, 1335, 495], ['Frame1', 480, 1680, 3615, 3255]];
    for (const [id, ...expected] of twips) {
      const shown = places.find((place) => place[0] === id).slice(1);
      expected.forEach((value, i) => assert.ok(Math.abs(shown[i] - value / 15) <= 1, `${id}: ${shown} for ${expected}`));
    }
    // Every target takes a pointer: 24 × 24 px at the least.
    assert.deepEqual((await targets(page)).filter(({ width, height }) => width < 24 || height < 24), []);
  });

  for (const { name, width, textSize, skip } of [{ name: 'phone', width: 320, textSize: 16, skip: cannot.phoneWidth },
    { name: 'textAt200', width: 1280, textSize: 32, skip: cannot.textSize }, { name: 'wide', width: 1280, textSize: 16 }]) {
    test(`shows everything with no sideways scrolling: ${name}`, { skip }, async () => {
      await open({ width, height: 640, textSize });
      const cut = await cutOff(page);
      assert.deepEqual(cut, []);
    });
  }
});

describe(`the site before its program starts in ${browserName}`, () => {
  // The module is held back: what is done meanwhile comes into effect when
  // the program starts, nothing lost, the parameters still waiting for
  // "Validez", which refuses presses until then.
  test('takes up what was done before the start', async (t) => {
    const slide = (steps) => async () => {
      await page.focus('#Slider1');
      for (let i = 0; i < steps; i += 1) await page.keyboard.press('ArrowRight');
    };
    const rows = [
      { name: 'typed', acts: [() => typeAtEnd('#textnom', 'x'), () => paste(page, '#textRetour', 'int')],
        shown: 'public:\n   int totox(void) ;', hue: 120 },
      { name: 'pureTicked', acts: [() => check(2)], shown: 'public:\n   virtual void toto(void)  = 0 ;', hue: 120,
        boxes: [false, true, true, false] },
      { name: 'slid', acts: [slide(2)], shown: 'private:\n   void toto(void) ;', hue: 0, word: 'private' },
      { name: 'allAtOnce', acts: [() => paste(page, '#textParam', 'int a'), () => typeAtEnd('#textnom', 'x'),
        () => check(3), slide(1)], shown: 'protected:\n   void totox(void) const ;', hue: 30, word: 'protected',
      boxes: [false, false, false, true] },
      { name: 'notesInOutputKept', acts: [() => paste(page, '#Text1', 'mes notes')], before: 'mes notes', shown: 'mes notes',
        hue: 120 },
    ];
    for (const row of rows) {
      await t.test(row.name, async () => {
        const release = server.holdModule();
        await open({ wait: false });
        for (const act of row.acts) await act();
        assert.deepEqual(await page.evaluate(() => [document.getElementById('Command1').disabled,
          document.getElementById('Text1').value]), [true, row.before ?? 'public:\n   void toto(void) ;']);
        release();
        await started(page);
        assert.equal(await output(page), row.shown);
        if (row.boxes) assert.deepEqual(await checked(), row.boxes);
        assert.equal(await page.$eval('#Slider1', (slider) => slider.getAttribute('aria-valuetext')), row.word ?? 'public');
        assert.ok(Math.abs(hue((await shownColours(page, '#Text1')).text) - row.hue) <= 2);
        assert.equal(await page.$eval('#Announcement', (region) => region.textContent),
          row.before ? '' : row.shown.replace(/\s+/g, ' '));
        if (row.name === 'allAtOnce') assert.equal(await page.$eval('#textParam', (box) => box.value), 'int a');
        await finish();
      });
    }
  });
});

describe(`the site without a network in ${browserName}`, () => {
  test('loads again once its server is gone, and takes a new build when it is back', async () => {
    const copy = await mkdtemp(join(tmpdir(), 'cxxproto-site-'));
    await cp(site, copy, { recursive: true });
    let own = await serve(copy, '/hors-ligne/');
    page = await openPage(own.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    if (browserName === 'chromium') {  // which tells whether a page can be installed as an app
      const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
    }
    const reload = async () => { await page.reload(); await started(page); };
    const title = () => page.evaluate(() => document.title);
    await own.close();
    await reload();
    assert.equal(await line2(page), '   void toto(void) ;');

    const newPage = (await readFile(join(site, 'index.html'), 'utf8')).replace('<title>Prototype des fonctions en C++<',
      '<title>Prototype des fonctions en C++ (nouvelle version)<');
    await writeFile(join(copy, 'index.html'), newPage);
    own = await serve(copy, '/hors-ligne/', own.port);
    await reload();
    assert.equal(await title(), 'Prototype des fonctions en C++ (nouvelle version)');
    await own.close();
    await reload();
    assert.equal(await title(), 'Prototype des fonctions en C++ (nouvelle version)');
    await rm(copy, { recursive: true });
  });
});
