// A right Error claim and its correction.  The game module run natively
// (tallimor-sim, from the desktop build) tells which trial of the seeded
// game gets a wrong hint and judges the claim; the page, played with the
// mouse, must show the same verdict and put the wrong hint right.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { session, SITE, click, text, double, boardrows, boxtext } from './harness.js';

const ctx = session();
const BUILD = join(SITE, '..', 'build');
const SIM = process.env.TALLIMOR_SIM ?? join(BUILD, 'tallimor-sim');
const SEED = 1;
const GUESSES = ['012', '345', '678', '019'];

function sim(...args) {
  return execFileSync(SIM, args, { encoding: 'utf8' }).trim().split('\n');
}

test('a right Error claim is judged right and the wrong hint is corrected', async () => {
  // The native run of the same seeded game: its secret code and its wrong-hint trial.
  const script = sim('script', '--seed', String(SEED), '--hint-errors', '--dir', BUILD, '--guesses', GUESSES.join(','));
  const errors = script.find((l) => l.startsWith('errors ')).slice(7);
  const answer = script.find((l) => l.startsWith('answer ')).slice(7);
  assert.equal(errors, '2', 'the scenario needs the wrong hint at trial 2');
  const claim = sim('claim', '--colours', '10', '--length', '3', '--order', 'fixed', '--repeat', '1',
    '--colour-order', '0123456789', '--answer', answer, '--errors', errors, '--guesses', GUESSES.join(','));
  assert.equal(claim.at(-2), 'right');
  const verdict = claim.at(-1).replace(/^text /, '').replaceAll('\\n', '\n');
  const nativerows = script.filter((l) => l.startsWith('row ')).map((l) => l.slice(4));

  const page = await ctx.open({ query: `?seed=${SEED}` });
  await page.keyboard.press('F1');
  await page.focus('#Cblist4');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.$eval('#Cblist4', (el) => el.value), 'May contain error(s)');
  await click(page, '#Cmdstart');
  for (const guess of GUESSES) {
    for (const c of guess) await double(page, `#Lblcolour${c}`);
    await click(page, '#Cmdsubcol');
    await click(page, '#Cmdshowresult');
  }
  // The rows, the wrong hint of trial 2 among them, as the native run recorded them.
  assert.deepEqual(await boardrows(page), nativerows);
  await click(page, '#Cmderror');
  const box = await boxtext(page);
  assert.equal(box.text, verdict);
  await click(page, '#Cmdmid');
  await page.waitForSelector('#Fmmessage', { hidden: true });
  // Trial 2 now carries its true hint and the mark of a corrected row; the game goes on.
  await page.waitForSelector('#Boardrows .boardrow.corrected');
  assert.deepEqual(await page.$$eval('#Boardrows .boardrow.corrected', (r) => r.map((x) => x.dataset.trial)), ['2']);
  const rows = await boardrows(page);
  assert.notEqual(rows[1], nativerows[1]);
  assert.equal(rows[1].split(' ')[1], '345');
  assert.match(await text(page, '#Stbmenu'), /Input your guess/);
  assert.deepEqual(page.problems, []);
});
