// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// The page on a phone's or a tablet's screen, by touch alone: Chromium's
// emulation of the device (its viewport, touch, a mobile browser), taps and
// finger drags only.
import assert from 'node:assert/strict';
import { after, afterEach, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { KnownDevices } from 'puppeteer-core';
import { browserName, closeBrowsers, cutOff, line2, openPage, output, serve, targets } from './harness.mjs';

const site = fileURLToPath(new URL('../../build-web/site/', import.meta.url));
const skip = browserName !== 'chromium' && 'the emulation of a phone, its screen and touch, is Chromium\'s';
let server;
let page;

// Where the element stands once scrolled into view.
const centre = async (selector) => {
  await page.$eval(selector, (element) => element.scrollIntoView({ block: 'center' }));
  const box = await (await page.$(selector)).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2, box };
};
const tap = async (selector) => {
  const { x, y } = await centre(selector);
  await page.touchscreen.tap(x, y);
};
const checked = () => page.$$eval('input[type=checkbox]', (boxes) => boxes.map((box) => box.checked));

describe(`the page by touch in ${browserName}`, () => {
  before(async () => { server = await serve(site, '/outils/cxxproto/'); });
  after(async () => { await closeBrowsers(); await server.close(); });
  afterEach(async () => {
    if (!page) return;
    await page.close();
    const { problems } = page;
    page = null;
    assert.deepEqual(problems, []);
  });

  const devices = ['iPhone SE', 'Galaxy S9+', 'iPhone 13 landscape', 'iPad Mini', 'iPad Mini landscape'];
  for (const device of devices) {
    test(`fits and offers a finger's targets: ${device}`, { skip }, async () => {
      page = await openPage(server.url, { device: KnownDevices[device] });
      assert.deepEqual(await cutOff(page), []);
      const small = (await targets(page)).filter(({ name, width, height }) =>
        !name.startsWith('Check1_') && (width < 44 || height < 44));
      assert.deepEqual(small, []);
      // Safari zooms in on a text field under 16 px as it takes the focus.
      assert.deepEqual((await targets(page)).filter(({ font }) => font !== null && font < 16), []);
      const viewport = await page.$eval('meta[name=viewport]', (meta) => meta.content);
      assert.doesNotMatch(viewport, /user-scalable\s*=\s*(no|0)|maximum-scale/);
    });
  }

  test('is used with taps and drags alone', { skip }, async () => {
    page = await openPage(server.url, { device: KnownDevices['iPhone SE'] });
    // Each box by its square, then by its caption.
    for (const i of [0, 1, 3]) await tap(`#Check1_${i}`);
    assert.deepEqual(await checked(), [true, true, false, true]);
    for (const caption of [1, 2, 4]) await tap(`#Frame1 > .qualifier:nth-of-type(${caption})`);
    assert.deepEqual(await checked(), [false, false, false, false]);
    await tap('#Frame1 > .qualifier:nth-of-type(3)');
    assert.deepEqual(await checked(), [false, true, true, false]);
    assert.equal(await line2(page), '   virtual void toto(void)  = 0 ;');

    // The slider: a finger dragged from end to end, then taps on its positions.
    const { box } = await centre('#Slider1');
    const y = box.y + box.height / 2;
    await page.touchscreen.touchStart(box.x + 4, y);
    for (const part of [0.25, 0.5, 0.75, 1]) await page.touchscreen.touchMove(box.x + part * (box.width - 4), y);
    await page.touchscreen.touchEnd();
    assert.equal((await output(page)).split('\n')[0], 'private:');
    for (const [part, line1] of [[0.5, 'protected:'], [0.02, 'public:'], [0.98, 'private:']]) {
      await page.touchscreen.tap(box.x + part * box.width, y);
      assert.equal((await output(page)).split('\n')[0], line1);
    }

    // Typing after a tap, and Validez.
    await tap('#textnom');
    await page.keyboard.type('x');
    const { box: parameters } = await centre('#textParam');  // under its last line: the caret goes to the end
    await page.touchscreen.tap(parameters.x + parameters.width / 2, parameters.y + parameters.height - 8);
    await page.keyboard.type('int a');
    await tap('#Command1');
    assert.equal(await line2(page), '   virtual void totox(void, int a)  = 0 ;');
  });

  test('closes the overflow dialog with a tap, losing nothing', { skip }, async () => {
    page = await openPage(server.url, { device: KnownDevices['Galaxy S9+'] });
    await page.$eval('#textParam', (box) => { box.value = 'a'.repeat(32767); });
    await tap('#Command1');
    assert.equal(await page.$eval('#Message', (dialog) => dialog.open), true);
    await tap('#Message button');
    assert.deepEqual(await page.evaluate(() => [document.getElementById('Message').open,
      document.getElementById('textParam').value.length]), [false, 32767]);
    assert.equal(await line2(page), '   void toto(void) ;');
  });
});
