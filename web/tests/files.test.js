// Files that last: the program folder lives in the browser's IndexedDB, so a
// saved game and a Top Five entry are still there after a reload.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { session, click, text, double, boardrows, boxtext, playguesses, endgame } from './harness.js';

const ctx = session();

async function reload(page) {
  await page.reload();
  await page.waitForFunction(() => window.tallimorReady === true);
  await click(page, '#Fmtitle');
}

test('a game saved in the file window is loaded after a reload and goes on', async () => {
  const page = await ctx.open({ query: '?seed=5' });
  await playguesses(page, ['012']);
  const before = await boardrows(page);
  assert.equal(before.length, 1);
  await page.keyboard.press('F4');  // an unsaved game asks for a name
  await page.waitForSelector('#Fmfiles', { visible: true });
  assert.match(await text(page, '#Fmfiles_title'), /Save As/);
  await page.keyboard.type('first');
  await click(page, '#Cmdsave');
  await page.waitForSelector('#Fmfiles', { hidden: true });
  assert.equal(await text(page, '#Fmmain_title'), 'Saved Game - /tallimor/Files/first.mm');

  await reload(page);
  assert.deepEqual(await boardrows(page), []);
  await page.keyboard.press('F3');
  await page.waitForSelector('#Fmfiles', { visible: true });
  assert.deepEqual(await page.$$eval('#Filfiles li', (l) => l.map((x) => x.textContent)), ['first.mm']);
  await double(page, '#Filfiles li');
  await page.waitForSelector('#Fmfiles', { hidden: true });
  assert.equal(await text(page, '#Fmmain_title'), 'Loaded Game - /tallimor/Files/first.mm');
  assert.deepEqual(await boardrows(page), before);
  // A loaded game is told it cannot enter the Top Five, then goes on: the next trial takes a guess.
  const box = await boxtext(page);
  assert.equal(box.title, 'Loaded Game');
  await click(page, '#Cmdmid');
  assert.match(await text(page, '#Stbmenu'), /Input your guess/);
  for (const c of '345') await double(page, `#Lblcolour${c}`);
  await click(page, '#Cmdsubcol');
  assert.match(await text(page, '#Lbltrials'), /2/);
  assert.deepEqual(page.problems, []);
});

test('a Top Five entry is still on the list after a reload', async () => {
  const answer = await ctx.answerof(31);
  const page = await ctx.open({ query: '?seed=31' });
  await page.keyboard.press('F1');
  await click(page, '#Cmdstart');
  for (const c of answer) await double(page, `#Lblcolour${c}`);
  await click(page, '#Cmdsubcol');
  assert.equal((await boxtext(page)).title, 'Win');
  await click(page, '#Cmdr3');  // End
  await page.waitForSelector('#Frgetname', { visible: true });
  assert.match(await text(page, '#Lblgetname'), /TOP FIVE/);
  await page.keyboard.type('Ada Browser');
  await click(page, '#Cmdokname');
  await page.waitForSelector('#Picwinners', { visible: true });
  const first = (await text(page, '#Lblname')).split('\n')[0];
  assert.match(first, /Ada Browser/);

  await reload(page);
  await page.keyboard.press('F1');
  await click(page, '#Cmdtop');
  await page.waitForSelector('#Picwinners', { visible: true });
  assert.equal((await text(page, '#Lblname')).split('\n')[0], first);
  assert.match(await text(page, '#Lblhead'), /10/);
  assert.deepEqual(page.problems, []);
});

test('a saved game highlighted in the file window and deleted with the Delete key is gone after a reload', async () => {
  const page = await ctx.open({ query: '?seed=5' });
  await playguesses(page, ['012']);
  await page.keyboard.press('F4');
  await page.waitForSelector('#Fmfiles', { visible: true });
  await page.keyboard.type('gone');
  await click(page, '#Cmdsave');
  await page.waitForSelector('#Fmfiles', { hidden: true });
  await endgame(page);  // and End, so Load Game is offered
  await click(page, '#Cmdr3');
  await page.keyboard.press('F3');
  await page.waitForSelector('#Fmfiles', { visible: true });
  const listed = await page.$$eval('#Filfiles li', (l) => l.map((x) => x.textContent));
  assert.ok(listed.includes('gone.mm'));
  await click(page, `#Filfiles li:nth-child(${listed.indexOf('gone.mm') + 1})`);
  await page.keyboard.press('Delete');
  const box = await boxtext(page);
  assert.equal(box.title, 'Delete File?');
  assert.match(box.text, /gone\.mm\?$/);
  await page.keyboard.press('Enter');  // Yes
  await page.waitForSelector('#Fmmessage', { hidden: true });
  assert.deepEqual(await page.$$eval('#Filfiles li', (l) => l.map((x) => x.textContent)),
    listed.filter((n) => n !== 'gone.mm'));

  await reload(page);
  await page.keyboard.press('F3');
  await page.waitForSelector('#Fmfiles', { visible: true });
  assert.deepEqual(await page.$$eval('#Filfiles li', (l) => l.map((x) => x.textContent)),
    listed.filter((n) => n !== 'gone.mm'));
  assert.deepEqual(page.problems, []);
});
