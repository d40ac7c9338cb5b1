// A saved game leaves the browser as a download of its 722 bytes and comes
// back in through the file window's import; a damaged file is refused with
// the program's own box and changes nothing.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { session, SITE, click, text, boardrows, boxtext, playguesses, endgame } from './harness.js';

const ctx = session();
const folder = mkdtempSync(join(tmpdir(), 'tallimor-export-'));
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));

async function importfile(page, path) {
  await page.keyboard.press('F3');
  await page.waitForSelector('#Fmfiles', { visible: true });
  const [chooser] = await Promise.all([page.waitForFileChooser(), click(page, '#Cmdimport')]);
  await chooser.accept([path]);
}

// Highlights the (one) file in the open file window, presses Export and
// reads the download that lands in `folder`.
async function exportfile(page, folder, name) {
  await page.waitForSelector('#Fmfiles', { visible: true });
  await click(page, '#Filfiles li');
  await click(page, '#Cmdexport');
  for (let i = 0; i < 100 && !readdirSync(folder).includes(name); i++) await new Promise((r) => setTimeout(r, 50));
  return readFileSync(join(folder, name));
}

test('export a saved game, import it again, and refuse a damaged one', async () => {
  const page = await ctx.open({ query: '?seed=7' });
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  await playguesses(page, ['012', '345']);
  const rows = await boardrows(page);
  assert.equal(rows.length, 2);
  await page.keyboard.press('F4');
  await page.waitForSelector('#Fmfiles', { visible: true });
  await page.keyboard.type('trip');
  await click(page, '#Cmdsave');
  await page.waitForSelector('#Fmfiles', { hidden: true });

  // Export: highlight the file in the Save As window (Game > Save Game > Save As) and press Export.
  await page.keyboard.down('Alt');
  await page.keyboard.press('g');
  await page.keyboard.up('Alt');
  await page.keyboard.press('s');
  await page.keyboard.press('a');
  const bytes = await exportfile(page, folder, 'trip.mm');
  assert.equal(bytes.length, 722);
  await click(page, '#Fmfiles_Cmdcancel');
  await page.waitForSelector('#Fmfiles', { hidden: true });

  // Back to the idle screen: End Game, End.
  await endgame(page);
  await click(page, '#Cmdr3');
  await page.waitForSelector('#Fmmessage', { hidden: true });
  const idle = [await boardrows(page), await text(page, '#Stbmenu'), await text(page, '#Fmmain_title')];

  // A damaged file: the program's own box, and nothing changes.
  const damaged = join(folder, 'damaged.mm');
  writeFileSync(damaged, bytes.subarray(0, 300));
  await importfile(page, damaged);
  const box = await boxtext(page);
  assert.equal(box.title, 'Damaged File');
  await click(page, '#Cmdmid');
  await page.waitForSelector('#Fmmessage', { hidden: true });
  if (await page.$eval('#Fmfiles', (el) => !el.hidden)) await click(page, '#Fmfiles_Cmdcancel');
  await page.waitForSelector('#Fmfiles', { hidden: true });
  assert.deepEqual([await boardrows(page), await text(page, '#Stbmenu'), await text(page, '#Fmmain_title')], idle);

  // The good one: the board comes back as it was saved.
  await importfile(page, join(folder, 'trip.mm'));
  await page.waitForSelector('#Fmfiles', { hidden: true });
  assert.deepEqual(await boardrows(page), rows);
  assert.match(await text(page, '#Fmmain_title'), /^Loaded Game - /);
  assert.deepEqual(page.problems, []);
});

// The desktop's game module, run natively by tallimor-sim from the desktop build.
const SIM = process.env.TALLIMOR_SIM ?? join(SITE, '..', 'build', 'tallimor-sim');

test('a game saved in the browser is byte for byte the file the desktop module writes for the same game', async () => {
  const seed = 19;
  const guesses = ['012', '345'];
  const desktop = join(folder, 'desktop');
  mkdirSync(join(desktop, 'Files'), { recursive: true });
  execFileSync(SIM, ['script', '--seed', String(seed), '--guesses', guesses.join(','), '--dir', desktop, '--save', 'same'],
    { encoding: 'utf8' });
  const expected = readFileSync(join(desktop, 'Files', 'same.mm'));
  assert.equal(expected.length, 722);

  const page = await ctx.open({ query: `?seed=${seed}` });
  const cdp = await page.createCDPSession();
  const downloads = join(folder, 'browser');
  mkdirSync(downloads, { recursive: true });
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await playguesses(page, guesses);
  // End Game, then the closing box's Save File, as the native run did.
  await endgame(page);
  await click(page, '#Cmdl3');
  await page.waitForSelector('#Fmfiles', { visible: true });
  await page.keyboard.type('same');
  await click(page, '#Cmdsave');
  await page.waitForSelector('#Fmfiles', { hidden: true });
  // Back on the closing box, End; or already on the idle screen.
  if (await page.$eval('#Fmmessage', (el) => !el.hidden)) await click(page, '#Cmdr3');
  await page.waitForSelector('#Fmmessage', { hidden: true });
  await page.keyboard.press('F3');
  assert.deepEqual(await exportfile(page, downloads, 'same.mm'), expected);
  assert.deepEqual(page.problems, []);
});
