// "Computer guesses" with the player marking: hints that no code can satisfy
// stop the game with the computer's "Hey!".

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { session, click, text, visible, boardrows, boxtext } from './harness.js';

const ctx = session();

test('"Computer guesses": the player marks by keyboard, and impossible hints get "Hey!"', async () => {
  const page = await ctx.open();
  await click(page, '#Tlbgame10');  // the toolbar's keyboard input
  assert.equal(await page.$eval('#Mnukey', (el) => el.classList.contains('checked')), true);
  await page.keyboard.press('F1');
  await page.focus('#Cblist0');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.$eval('#Cblist0', (el) => el.value), 'Computer guesses');
  await click(page, '#Cmdstart');
  await page.waitForSelector('#Frmark', { visible: true });
  assert.equal(await text(page, '#Frmark .question'), 'Shall I do the marking for you?');
  await click(page, '#Optnomark');
  await click(page, '#Cmdokmark');
  await click(page, '#Cmdready');
  // Ten colours, three positions, no repetition: "0 correct" three times
  // leaves one colour for three positions.
  const guesses = [];
  for (let trial = 1; trial <= 3; trial++) {
    await page.waitForSelector('#Frgetresult', { visible: true });
    assert.equal(await text(page, '#Lbltrials2'), `Trial: ${trial}`);
    assert.match(await text(page, '#Lblgetcorr'), /How many correct colours have I got\?/);
    const guess = await text(page, '#Picguess');
    assert.match(guess, /^[0-9]{3}$/);
    guesses.push(guess);
    await click(page, '#Txtcorrect');
    await page.keyboard.press('7');  // not a count of three positions: the box refuses it
    assert.equal(await page.$eval('#Txtcorrect', (el) => el.value), '');
    await page.keyboard.press('0');
    assert.equal(await page.$eval('#Txtcorrect', (el) => el.value), '0');
    await page.keyboard.press('Enter');
  }
  const box = await boxtext(page);
  assert.equal(box.title, 'Error Detected');
  assert.equal(box.text,
    'Hey!  The hints you gave me are inconsistent!  I cannot continue. Please choose one option below.');
  assert.deepEqual(await page.$$eval('#Fmmessage button:not([hidden])', (b) => b.map((x) => x.textContent)),
    ['Save File', 'Change Display', 'End']);
  // No two guesses share a colour: each was consistent with the hints before it.
  assert.equal(new Set(guesses.join('')).size, 9);
  assert.deepEqual(await boardrows(page), guesses.map((g, i) => `${i + 1} ${g} 0`));
  assert.equal(await visible(page, '#Frgetresult'), false);
  assert.deepEqual(page.problems, []);
});

test('"Computer guesses" marked with the mouse: the count already on show can be picked', async () => {
  const page = await ctx.open();
  await page.keyboard.press('F1');
  await page.focus('#Cblist0');
  await page.keyboard.press('ArrowDown');
  await click(page, '#Cmdstart');
  await page.waitForSelector('#Frmark', { visible: true });
  await click(page, '#Optnomark');
  await click(page, '#Cmdokmark');
  await click(page, '#Cmdready');
  await page.waitForSelector('#Frgetresult', { visible: true });
  // The list shows 0 before anything is picked, and OK waits for a pick.
  assert.equal(await page.$eval('#Cbcorrect', (el) => el.options[el.selectedIndex].text), '0');
  assert.equal(await page.$eval('#Cmdgetresult', (el) => el.disabled), true);
  // The first step down the list picks that same 0.
  await page.focus('#Cbcorrect');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.$eval('#Cbcorrect', (el) => el.value), '0');
  assert.equal(await page.$eval('#Cmdgetresult', (el) => el.disabled), false);
  await click(page, '#Cmdgetresult');
  await page.waitForFunction(() => document.querySelector('#Lbltrials2').textContent === 'Trial: 2');
  assert.deepEqual((await boardrows(page)).map((r) => r.split(' ')[2]), ['0']);
  assert.deepEqual(page.problems, []);
});
