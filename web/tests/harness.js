// What every browser test needs: the site served from build-web/ on a free
// port, Debian's chromium driven headless with a fresh profile, and the
// console watched, since no test may leave an error or a warning there.

import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import assert from 'node:assert/strict';
import { before, after, afterEach } from 'node:test';
import puppeteer from 'puppeteer-core';

export const SITE = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'build-web');
const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.ico': 'image/x-icon', '.cur': 'image/x-icon', '.json': 'application/json',
};

export function serve(root = SITE) {
  const server = createServer((req, res) => {
    const url = new URL(req.url, 'http://localhost');
    const path = normalize(join(root, decodeURIComponent(url.pathname === '/' ? '/index.html' : url.pathname)));
    try {
      if (!path.startsWith(root) || !statSync(path).isFile()) throw new Error('not found');
      // Cross-origin isolated, so the page's clock is as fine as the browser gives (the bench's think times).
      res.writeHead(200, { 'Content-Type': TYPES[extname(path)] ?? 'application/octet-stream',
        'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp' });
      res.end(readFileSync(path));
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export const CHROMIUM_ARGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync', '--window-size=1000,800'];

// A browser with a profile of its own, which `close` takes away again.
export async function browser() {
  const profile = mkdtempSync(join(tmpdir(), 'tallimor-profile-'));
  const b = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: CHROMIUM_ARGS, defaultViewport: { width: 1000, height: 800 },
  });
  const close = b.close.bind(b);
  b.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return b;
}

// A page of the site with its console collected: `problems` holds every
// error and warning it printed, and every uncaught exception.
export async function open(b, server, { skipTitle = true, query = '', viewport = null } = {}) {
  const page = await b.newPage();
  if (viewport) await page.setViewport(viewport);
  page.problems = [];
  page.on('console', (m) => {
    if (m.type() === 'error' || m.type() === 'warn' || m.type() === 'warning') page.problems.push(m.text());
  });
  page.on('pageerror', (e) => page.problems.push(String(e)));
  await page.goto(`http://127.0.0.1:${server.address().port}/${query}`);
  await page.waitForFunction(() => window.tallimorReady === true);
  if (skipTitle) await click(page, '#Fmtitle');
  return page;
}

// A real click of the mouse at the middle of an element.
export async function click(page, waitFor, selector = waitFor, options = {}) {
  const el = await page.waitForSelector(selector, { visible: true });
  const box = await el.boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2, options);
}

export async function text(page, selector) {
  return page.$eval(selector, (el) => el.textContent);
}

export async function visible(page, selector) {
  return page.$eval(selector, (el) => !!el.offsetParent && !el.closest('[hidden]'));
}

export const double = (page, selector) => click(page, selector, selector, { clickCount: 2 });

// Starts a "You guess" game with the setting as it stands and plays these
// guesses with the mouse, each one's hint taken.
export async function playguesses(page, guesses) {
  await page.keyboard.press('F1');
  await click(page, '#Cmdstart');
  for (const guess of guesses) {
    for (const c of guess) await double(page, `#Lblcolour${c}`);
    await click(page, '#Cmdsubcol');
    await click(page, '#Cmdshowresult');
  }
}

// End Game (F5) and its OK: the game stands on its closing box, which shows the answer.
export async function endgame(page) {
  await page.keyboard.press('F5');
  await page.waitForSelector('#Fmmessage', { visible: true });
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.querySelector('#Fmmessage_title').textContent === 'Show Answer');
}

// The answer of the first game of a run with this seed, as the page shows it after End Game.
export async function answerof(b, server, seed) {
  const page = await open(b, server, { query: `?seed=${seed}` });
  await playguesses(page, ['012']);
  await endgame(page);
  await page.waitForFunction(() => document.querySelector('#Picanswer').textContent.length === 3);
  const answer = await text(page, '#Picanswer');
  assert.deepEqual(page.problems, []);
  await page.close();
  return answer;
}

// Drags a colour of the Colour Panel onto a position of the guess row with the mouse.
export async function drag(page, from, to) {
  const a = await (await page.$(from)).boundingBox();
  const z = await (await page.$(to)).boundingBox();
  await page.mouse.move(a.x + a.width / 2, a.y + a.height / 2);
  await page.mouse.down();
  await page.mouse.move(z.x + z.width / 2, z.y + z.height / 2, { steps: 10 });
  await page.mouse.up();
}

// The rows of the board as the player reads them: trial, guess, hint.
export function boardrows(page) {
  return page.$$eval('#Boardrows .boardrow', (rows) =>
    rows.map((r) => [...r.children].map((c) => c.textContent.trim()).join(' ')));
}

export async function boxtext(page) {
  await page.waitForSelector('#Fmmessage', { visible: true });
  return { title: await text(page, '#Fmmessage_title'), text: await text(page, '#Lblmessage') };
}

// A browser and a server for one test file, and pages that are closed after
// each test, passed or failed: a page left open would hold the one instance
// the next test needs.
export function session() {
  const ctx = { pages: [] };
  before(async () => {
    ctx.server = await serve();
    ctx.browser = await browser();
  });
  after(async () => {
    await ctx.browser.close();
    ctx.server.close();
  });
  afterEach(async () => {
    for (const p of ctx.pages.splice(0)) if (!p.isClosed()) await p.close();
  });
  ctx.open = async (options) => {
    const page = await open(ctx.browser, ctx.server, options);
    ctx.pages.push(page);
    return page;
  };
  ctx.answerof = (seed) => answerof(ctx.browser, ctx.server, seed);
  return ctx;
}
