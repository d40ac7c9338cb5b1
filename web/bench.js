// The browser edition's figures, printed, never asserted: the site's size,
// the load to the title window, the engine benchmark's think times in the
// browser, and the processor time of the idle page with the animation on.
// Run by scripts/web_bench.sh after the site and the bench page are built.

import { readdirSync, statSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { browser, serve, SITE } from './tests/harness.js';

function size(folder) {
  let total = 0, files = 0;
  for (const name of readdirSync(folder)) {
    const path = join(folder, name);
    const st = statSync(path);
    if (st.isDirectory()) {
      const [t, f] = size(path);
      total += t;
      files += f;
    } else {
      total += st.size;
      files += 1;
    }
  }
  return [total, files];
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const [bytes, files] = size(SITE);
console.log(`site: ${files} files, ${bytes} bytes (${(bytes / 1048576).toFixed(2)} MB) in build-web/`);

const benchFolder = process.argv[2] && resolve(process.argv[2]);
const server = await serve();
const b = await browser();
try {
  const url = `http://127.0.0.1:${server.address().port}/`;
  const loads = [];
  for (let i = 0; i < 7; i++) {
    const page = await b.newPage();
    const start = Date.now();
    await page.goto(url);
    await page.waitForFunction(() => window.tallimorReady === true, { polling: 'mutation' });
    await page.waitForSelector('#Fmtitle', { visible: true });
    loads.push(Date.now() - start);
    await page.close();
  }
  console.log(`load to the title window (headless chromium, localhost): median ${median(loads)} ms, ` +
    `maximum ${Math.max(...loads)} ms over ${loads.length} loads (the first ${loads[0]} ms)`);

  // Idle, the title gone, the sky scrolling: the page's share of one core over 10 s.
  const page = await b.newPage();
  await page.goto(url);
  await page.waitForFunction(() => window.tallimorReady === true);
  await page.mouse.click(500, 400);
  await new Promise((r) => setTimeout(r, 1000));
  const before = await page.metrics();
  const t0 = Date.now();
  await new Promise((r) => setTimeout(r, 10000));
  const after = await page.metrics();
  const share = (after.TaskDuration - before.TaskDuration) / ((Date.now() - t0) / 1000);
  console.log(`idle with the animation on, over 10 s: ${(share * 100).toFixed(2)} % of one core`);
  await page.close();

  if (benchFolder) {
    const bserver = await serve(benchFolder);
    const bpage = await b.newPage();
    await bpage.goto(`http://127.0.0.1:${bserver.address().port}/bench.html`);
    await bpage.waitForFunction(() => window.benchDone === true, { timeout: 600000 });
    const out = await bpage.$eval('#out', (el) => el.textContent);
    for (const line of out.trim().split('\n')) console.log(`engine bench in the browser: ${line}`);
    bserver.close();
  }
} finally {
  await b.close();
  server.close();
}
