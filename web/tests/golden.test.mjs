// The golden requests through window.kalodaya.chart in Chromium against the charts the native
// program recorded: every text, Boolean, null and integer the same, every other number within
// 1e-9 (the module's maths library may differ from the host's in the last bits).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { desktop, difference, launch, openPage, serve, sourceDir, tolerance } from './browser.mjs';

test('the rule: texts and integers exact, other numbers within 1e-9', () => {
  const cases = [
    // [expected, actual, differs]
    [{ a: 1.5 }, { a: 1.5 + 5e-10 }, false],
    [{ a: 1.5 }, { a: 1.5 + 5e-9 }, true],
    [{ a: 90 }, { a: 90 + 1e-12 }, false],
    [{ a: 442 }, { a: 443 }, true],
    [{ a: '07 Pis 33' }, { a: '07 Pis 34' }, true],
    [{ a: null }, { a: 0 }, true],
    [{ a: 1, b: 2 }, { b: 2, a: 1 }, true],
    [[1, 2], [1, 2, 3], true],
    [{ a: [true] }, { a: [false] }, true],
  ];
  for (const [expected, actual, differs] of cases)
    assert.equal(difference(expected, actual) !== '', differs, JSON.stringify([expected, actual]));
});

test('the golden requests in the browser give the recorded charts', async (t) => {
  const launched = await launch();
  if (launched.skip) return t.skip(launched.skip);
  const server = await serve();
  try {
    const requests = readFileSync(join(sourceDir, 'tests/golden/requests.jsonl'), 'utf8')
      .split('\n').filter((line) => line !== '');
    const expected = execFileSync('xz', ['-dc', join(sourceDir, 'tests/golden/charts.jsonl.xz')],
      { maxBuffer: 1 << 30 }).toString('utf8').split('\n').filter((line) => line !== '');
    assert.equal(expected.length, requests.length);
    const { page } = await openPage(launched.browser, server.origin, desktop);
    await page.evaluate(() => window.kalodaya.atlasReady);
    const chunk = 1000;
    let byteIdentical = 0;
    const differing = [];
    for (let start = 0; start < requests.length; start += chunk) {
      const lines = requests.slice(start, start + chunk);
      const answers = await page.evaluate((ls) => ls.map((l) => window.kalodaya.chart(l)), lines);
      answers.forEach((answer, i) => {
        const n = start + i;
        if (answer === expected[n]) { ++byteIdentical; return; }
        const where = difference(JSON.parse(expected[n]), JSON.parse(answer));
        if (where) differing.push(`request ${n + 1} ${requests[n]}: ${where}`);
      });
    }
    console.log(`golden in the browser: ${requests.length} charts, ${byteIdentical} byte for byte, ` +
      `${requests.length - byteIdentical - differing.length} within ${tolerance}`);
    assert.deepEqual(differing.slice(0, 10), []);
  } finally {
    await launched.browser.close();
    await server.close();
  }
});
