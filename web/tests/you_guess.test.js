// "You guess" won in the browser: once by mouse (a drag and double-clicks),
// once by keyboard.  The secret code comes from a seeded run: a first visit
// with the seed ends a game and reads the answer the page shows; a second
// visit with the same seed gets the same code and wins it.

import { test, before, after, afterEach } from 'node:test';
import assert from 'node:assert/strict';
import { serve, browser, open as openpage, click, text, visible } from './harness.js';

let server, b;
// Every page is closed after its test, passed or failed: a page left open
// would hold the one instance the next one needs.
const pages = [];
async function open(...args) {
  const page = await openpage(...args);
  pages.push(page);
  return page;
}
afterEach(async () => {
  for (const p of pages.splice(0)) if (!p.isClosed()) await p.close();
});
before(async () => {
  server = await serve();
  b = await browser();
});
after(async () => {
  await b.close();
  server.close();
});

const double = (page, selector) => click(page, selector, selector, { clickCount: 2 });

// The answer of the first game of a run with this seed, as the page shows it after End Game.
async function answerof(seed) {
  const page = await open(b, server, { query: `?seed=${seed}` });
  await page.keyboard.press('F1');
  await click(page, '#Cmdstart');
  for (const c of [0, 1, 2]) await double(page, `#Lblcolour${c}`);
  await click(page, '#Cmdsubcol');
  await click(page, '#Cmdshowresult');
  await page.keyboard.press('F5');
  await page.waitForSelector('#Fmmessage', { visible: true });
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#Picanswer').textContent.length === 3);
  const answer = await text(page, '#Picanswer');
  assert.deepEqual(page.problems, []);
  await page.close();
  return answer;
}

// Drags a colour of the Colour Panel onto a position of the guess row with the mouse.
async function drag(page, from, to) {
  const a = await (await page.$(from)).boundingBox();
  const z = await (await page.$(to)).boundingBox();
  await page.mouse.move(a.x + a.width / 2, a.y + a.height / 2);
  await page.mouse.down();
  await page.mouse.move(z.x + z.width / 2, z.y + z.height / 2, { steps: 10 });
  await page.mouse.up();
}

// The rows of the board as the player reads them: trial, guess, hint.
function boardrows(page) {
  return page.$$eval('#Boardrows .boardrow', (rows) =>
    rows.map((r) => [...r.children].map((c) => c.textContent.trim()).join(' ')));
}

async function boxtext(page) {
  await page.waitForSelector('#Fmmessage', { visible: true });
  return { title: await text(page, '#Fmmessage_title'), text: await text(page, '#Lblmessage') };
}

test('a "You guess" game won by mouse: a drag, double-clicks, Submit and OK', async () => {
  const answer = await answerof(11);
  const page = await open(b, server, { query: '?seed=11' });
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
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a "You guess" game won by keyboard: typed digits and Enter', async () => {
  const answer = await answerof(23);
  const page = await open(b, server, { query: '?seed=23' });
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
  await page.close();
});
