// The demo from F9, ended by a click on the record and by Escape; and one
// instance: a second tab of the page is refused and plays nothing.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { session, click, text, visible } from './harness.js';

const ctx = session();
const IDLE = /Choose an option from the pulldown menu or the toolbar\./;

async function startdemo(page) {
  await page.keyboard.press('F9');
  await page.waitForSelector('#Picdemo', { visible: true });
  assert.match(await text(page, '#Stbmenu'), /Demo is now on\. {2}Click mouse on the cloud area to end demo\./);
  assert.equal(await text(page, '#Fmmain_title'), 'Demo');
  // The computer plays: rows appear on the board by themselves.
  await page.waitForFunction(() => document.querySelectorAll('#Boardrows .boardrow').length >= 2);
  assert.equal(await visible(page, '#Frscroll'), true);
}

test('the demo starts from F9 and ends with a click on the record, then with Escape', async () => {
  const page = await ctx.open();
  assert.match(await text(page, '#Stbmenu'), IDLE);
  await startdemo(page);
  await click(page, '#Picrecord');
  await page.waitForSelector('#Picdemo', { hidden: true });
  assert.match(await text(page, '#Stbmenu'), IDLE);

  await startdemo(page);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#Picdemo', { hidden: true });
  assert.match(await text(page, '#Stbmenu'), IDLE);
  assert.equal(await visible(page, '#Picfore'), true);
  assert.deepEqual(page.problems, []);
});

test('a second tab of the page is refused and plays nothing', async () => {
  const first = await ctx.open();
  const second = await ctx.browser.newPage();
  ctx.pages.push(second);
  await second.goto(`http://127.0.0.1:${ctx.server.address().port}/`);
  await second.waitForSelector('#Systembox', { visible: true });
  assert.equal(await text(second, '#Systembox_text'), 'You are not allowed to start this programme more than once.');
  assert.equal(await visible(second, '#Fmtitle'), false);
  assert.equal(await visible(second, '#Fmmain'), false);
  await second.keyboard.press('F9');
  assert.equal(await visible(second, '#Fmmain'), false);
  // The first tab plays on.
  await first.keyboard.press('F1');
  await first.waitForSelector('#Frmenu', { visible: true });
  assert.deepEqual(first.problems, []);
});
