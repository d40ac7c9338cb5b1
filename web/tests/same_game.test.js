// The same game: a scripted "You guess" game from a fixed seed, played in the
// page with the mouse, shows the same status texts, record rows, answer and
// closing box as the game module run natively with the same input
// (tallimor-sim script, from the desktop build in build/).

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { session, SITE, click, text, double, boardrows, boxtext } from './harness.js';

const ctx = session();
const SIM = process.env.TALLIMOR_SIM ?? join(SITE, '..', 'build', 'tallimor-sim');
const SEED = 17;
const GUESSES = ['012', '345', '678'];

test('a seeded game in the page reads as the same game run natively', async () => {
  const native = execFileSync(SIM, ['script', '--seed', String(SEED), '--guesses', GUESSES.join(',')], { encoding: 'utf8' })
    .trim().split('\n');

  const page = await ctx.open({ query: `?seed=${SEED}` });
  const lines = [];
  const status = async () => lines.push(`status ${(await text(page, '#Stbmenu')).trim()}`);
  await page.keyboard.press('F1');
  await status();
  await click(page, '#Cmdstart');
  await status();
  let closed = false;
  for (const guess of GUESSES) {
    for (const c of guess) await double(page, `#Lblcolour${c}`);
    await click(page, '#Cmdsubcol');
    await status();
    if (await page.$eval('#Fmmessage', (el) => !el.hidden)) {
      closed = true;
      break;
    }
    await click(page, '#Cmdshowresult');
    await status();
  }
  if (!closed) {
    await page.keyboard.press('F5');
    await page.waitForSelector('#Fmmessage', { visible: true });
    await status();
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.querySelector('#Fmmessage_title').textContent !== 'End Game?');
  }
  for (const row of await boardrows(page)) lines.push(`row ${row}`);
  lines.push(`answer ${await text(page, '#Picanswer')}`);
  const box = await boxtext(page);
  lines.push(...`box ${box.title} | ${box.text}`.split('\n'));
  await status();
  assert.deepEqual(lines, native);
  assert.deepEqual(page.problems, []);
});
