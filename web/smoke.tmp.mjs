import { serve, browser, open, click, text } from '/work/wt-web/web/tests/harness.js';
const server = await serve();
const b = await browser();
try {
  const t0 = Date.now();
  const page = await open(b, server, { skipTitle: false });
  console.log('ready in', Date.now() - t0);
  await page.screenshot({ path: '/tmp/s1.png' });
  await click(page, '#Fmtitle');
  await new Promise(r => setTimeout(r, 300));
  await page.screenshot({ path: '/tmp/s2.png' });
  console.log('status', await text(page, '#Stbmenu'));
  await page.keyboard.press('F1');
  await new Promise(r => setTimeout(r, 300));
  await page.screenshot({ path: '/tmp/s3.png' });
  console.log(page.problems);
} finally { await b.close(); server.close(); }
