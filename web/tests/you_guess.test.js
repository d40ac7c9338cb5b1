// "You guess" won in the browser: once by mouse (a drag and double-clicks),
// once by keyboard.  The secret code comes from a seeded run: a first visit
// with the seed ends a game and reads the answer the page shows; a second
// visit with the same seed gets the same code and wins it.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { session, click, text, visible, drag, double, boardrows, boxtext } from './harness.js';

const ctx = session();

test('a "You guess" game won by mouse: a drag, double-clicks and Submit', async () => {
  const answer = await ctx.answerof(11);
  const page = await ctx.open({ query: '?seed=11' });
  await page.keyboard.press('F1');
  await click(page, '#Cmdstart');
  assert.match(await text(page, '#Stbmenu'), /Input your guess/);
  await drag(page, `#Lblcolour${answer[0]}`, '#Lblstring0');
  assert.equal(await text(page, '#Lblstring0'), answer[0]);
  await double(page, `#Lblcolour${answer[1]}`);
  await double(page, `#Lblcolour${answer[2]}`);
  assert.equal(await text(page, '#Stringcells'), [...answer].sort().join(''));
  await click(page, '#Cmdsubcol');
  const box = await boxtext(page);
  assert.equal(box.title, 'Win');
  assert.match(box.text, /^Win! {2}You have tried 1 time and spent \d+ seconds?\./);
  // The board holds the winning row: trial 1, the guess, 3 correct colours.
  assert.deepEqual(await boardrows(page), [`1 ${[...answer].sort().join('')} 3`]);
  // Every trial the game allows has its numbered line, recorded or not.
  const numbers = await page.$$eval('#Boardrows > * > .trial', (cells) => cells.map((c) => c.textContent));
  assert.deepEqual(numbers, Array.from({ length: 27 }, (_, i) => String(i + 1)));
  assert.deepEqual(page.problems, []);
});

test('a "You guess" game won by keyboard: typed digits and Enter', async () => {
  const answer = await ctx.answerof(23);
  const page = await ctx.open({ query: '?seed=23' });
  // Options > Input Method > Keyboard, by the menus' access keys.
  await page.keyboard.down('Alt');
  await page.keyboard.press('o');
  await page.keyboard.up('Alt');
  await page.keyboard.press('i');
  await page.keyboard.press('k');
  assert.equal(await page.$eval('#Mnukey', (el) => el.classList.contains('checked')), true);
  await page.keyboard.press('F1');
  await page.keyboard.press('Enter');  // Start  Game is the default button
  assert.equal(await visible(page, '#Txtinput'), true);
  // A wrong guess first, then the answer.
  const wrong = ['0', '1', '2', '3', '4', '5', '6', '7', '8', '9'].filter((d) => !answer.includes(d)).slice(0, 3).join('');
  await page.keyboard.type(wrong);
  assert.equal(await page.$eval('#Txtinput', (el) => el.value), wrong);
  await page.keyboard.press('Enter');
  assert.match(await text(page, '#Lblcorrect'), /got 0 correct colour/);
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.activeElement?.id === 'Txtinput');
  await page.keyboard.type(answer);
  await page.keyboard.press('Enter');
  const box = await boxtext(page);
  assert.equal(box.title, 'Win');
  assert.match(box.text, /^Win! {2}You have tried 2 times and spent \d+ seconds?\./);
  assert.deepEqual(await boardrows(page), [`1 ${[...wrong].sort().join('')} 0`, `2 ${[...answer].sort().join('')} 3`]);
  assert.deepEqual(page.problems, []);
});

test('on a phone-sized touch screen the window is scaled to fit and a colour is dragged by finger', async () => {
  const page = await ctx.open({ viewport: { width: 390, height: 844, isMobile: true, hasTouch: true } });
  const window = await (await page.$('#Fmmain')).boundingBox();
  assert.ok(window.width <= 390 && window.width > 300, `the window is ${window.width} pixels wide`);
  await tap(page, '#Mnugame');
  await tap(page, '#Mnuset');
  await tap(page, '#Cmdstart');
  await page.waitForSelector('#Frgetstring', { visible: true });
  const from = await (await page.$('#Lblcolour4')).boundingBox();
  const to = await (await page.$('#Lblstring0')).boundingBox();
  await page.touchscreen.touchStart(from.x + from.width / 2, from.y + from.height / 2);
  for (let i = 1; i <= 8; i++) {
    await page.touchscreen.touchMove(from.x + from.width / 2 + ((to.x - from.x) * i) / 8,
      from.y + from.height / 2 + ((to.y - from.y) * i) / 8);
  }
  await page.touchscreen.touchEnd();
  assert.equal(await text(page, '#Lblstring0'), '4');
  assert.deepEqual(page.problems, []);
});

async function tap(page, selector) {
  const box = await (await page.waitForSelector(selector, { visible: true })).boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}
