// What every browser test needs: the site served from build-web/ on a free
// port, Debian's chromium driven headless with a fresh profile, and the
// console watched, since no test may leave an error or a warning there.

import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const SITE = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'build-web');
const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.ico': 'image/x-icon', '.cur': 'image/x-icon', '.json': 'application/json',
};

export function serve() {
  const server = createServer((req, res) => {
    const url = new URL(req.url, 'http://localhost');
    const path = normalize(join(SITE, decodeURIComponent(url.pathname === '/' ? '/index.html' : url.pathname)));
    try {
      if (!path.startsWith(SITE) || !statSync(path).isFile()) throw new Error('not found');
      res.writeHead(200, { 'Content-Type': TYPES[extname(path)] ?? 'application/octet-stream' });
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
export async function open(b, server, { skipTitle = true, query = '' } = {}) {
  const page = await b.newPage();
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
