// The simulator built for Node.js, which seeds the site's records, stamps
// them with SOURCE_DATE_EPOCH as the native one does, not with the time of
// the build.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { SITE } from './harness.js';

test('the seeded records carry the stamp of SOURCE_DATE_EPOCH', () => {
  const dir = mkdtempSync(join(tmpdir(), 'tallimor-seed-'));
  const sim = join(SITE, '..', 'build-web-obj', 'tallimor-sim.js');
  const run = spawnSync(process.execPath, ['--no-experimental-fetch', sim, 'init-stats', '--dir', dir, '--games', '1',
    '--seed', '3'], { env: { ...process.env, SOURCE_DATE_EPOCH: '946728000' } });
  assert.equal(run.status, 0, String(run.stderr));
  // Bytes 0 to 7: days since 30 December 1899; 1 January 2000, noon UTC.
  assert.equal(readFileSync(join(dir, 'Winners', 'Winners7')).readDoubleLE(0), 36526.5);
  rmSync(dir, { recursive: true, force: true });
});
