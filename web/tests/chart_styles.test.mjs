// The chart styles on the page: the choice draws the core's layout of each style, is kept for
// the next visit, and the most crowded charts' texts stay whole inside their cells, apart from
// each other, at desktop and phone widths. The charts are kept as screenshots.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { browserTests, desktop, openPage, phone, shotDir } from './browser.mjs';

const web = browserTests('chart style tests');

const styles = ['south', 'north', 'east'];

// The golden file's charts whose fullest cells hold the most (seven bodies and "GL" in one
// sign, long retrograde names among them), and the worked example.
const crowded = [
  '?name=RAMA&date=1962-02-02&time=23:59:23&lat=23:36N&lon=97:18E&zone=40&dst=1',
  '?name=A&date=1991-08-21&time=10:59:20&lat=63:42S&lon=87:18E&zone=9',
  '?name=A&date=2041-11-02&time=12:55:24&lat=54:34S&lon=134:57E&zone=46&dst=1',
  '?name=X%20Y%20Z&date=2032-05-29&time=00:49:51&lat=39:2S&lon=26:58W&zone=69&dst=1',
  '?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=34',
];

// The chart drawn on the page, read back: each cell's sign, house and texts with their boxes
// (the drawing's units), and the boxes the texts must keep to.
async function drawn(page) {
  return page.$eval('#chart svg', (root) => ({
    style: root.dataset.style,
    cells: [...root.querySelectorAll('g.sign')].map((g) => {
      const clip = root.querySelector(`clipPath#cell-${g.dataset.sign} rect`);
      const box = ['x', 'y', 'width', 'height'].map((a) => Number(clip.getAttribute(a)));
      return {
        sign: Number(g.dataset.sign),
        house: Number(g.dataset.house),
        number: g.querySelector('text.house').textContent,
        box,
        texts: [...g.querySelectorAll('g.items text')].map((t) => {
          const b = t.getBBox();
          return { text: t.textContent, kind: t.getAttribute('class'), box: [b.x, b.y, b.width, b.height] };
        }),
      };
    }),
  }));
}

const inside = (inner, outer, slack = 0.5) => inner[0] >= outer[0] - slack &&
  inner[1] >= outer[1] - slack && inner[0] + inner[2] <= outer[0] + outer[2] + slack &&
  inner[1] + inner[3] <= outer[1] + outer[3] + slack;
const overlap = (a, b) => a[0] < b[0] + b[2] - 0.5 && b[0] < a[0] + a[2] - 0.5 &&
  a[1] < b[1] + b[3] - 0.5 && b[1] < a[1] + a[3] - 0.5;

for (const [width, viewport] of [['desktop', desktop], ['phone', phone]]) {
  test(`crowded charts keep every text whole inside its cell in each style (${width})`, async (t) => {
    if (web.skip) return t.skip(web.skip);
    for (const query of crowded) {
      const { context, page } = await openPage(web.browser, web.server.origin, viewport, query);
      await page.waitForSelector('#results:not([hidden])');
      const line = await page.evaluate(() => JSON.stringify(
        Object.fromEntries(new URLSearchParams(location.search))));
      for (const style of styles) {
        await page.selectOption('#chart-style', style);
        const chart = await drawn(page);
        assert.equal(chart.style, style, query);
        // What the core laid out for this style is what the page drew, cell for cell.
        const entries = JSON.parse(line);
        entries.zone = Number(entries.zone);
        if ('dst' in entries) entries.dst = true;
        const layout = JSON.parse(await page.evaluate(
          (l) => window.kalodaya.chart(l), JSON.stringify({ ...entries, chart_style: style }))).chart_layout;
        assert.equal(chart.cells.length, 12);
        for (const cell of chart.cells) {
          const where = `${query} ${style} sign ${cell.sign}`;
          const laid = layout.cells.find((c) => c.sign === cell.sign);
          assert.equal(cell.house, laid.house, where);
          assert.equal(cell.number, laid.number, where);
          assert.deepEqual(cell.texts.map((x) => [x.text, x.kind]),
            laid.items.map((item) => [item.text, item.kind]), where);
          for (const [i, drawnText] of cell.texts.entries()) {
            assert.ok(inside(drawnText.box, cell.box),
              `${where}: "${drawnText.text}" ${drawnText.box} leaves ${cell.box}`);
            for (const other of cell.texts.slice(i + 1))
              assert.ok(!overlap(drawnText.box, other.box),
                `${where}: "${drawnText.text}" overlaps "${other.text}"`);
          }
        }
        if (query === crowded[0] || query === crowded[4]) {
          const name = query === crowded[0] ? 'crowded' : 'worked';
          await page.locator('.chart-box').screenshot({ path: join(shotDir, `chart-${style}-${name}-${width}.png`) });
        }
      }
      await context.close();
    }
  });
}

test('the chosen style is kept for the next visit, and a new browser starts South Indian', async (t) => {
  if (web.skip) return t.skip(web.skip);
  const link = crowded[4];
  const { context, page } = await openPage(web.browser, web.server.origin, desktop, link);
  await page.waitForSelector('#results:not([hidden])');
  assert.equal(await page.inputValue('#chart-style'), 'south');
  assert.equal(await page.$eval('#chart svg', (s) => s.dataset.style), 'south');
  await page.selectOption('#chart-style', 'north');
  // The North Indian diamond: the ascendant's sign (Virgo for the worked example) in the
  // first house, "GL" in Cancer's, the eleventh.
  const north = await drawn(page);
  assert.equal(north.style, 'north');
  const first = north.cells.find((c) => c.house === 1);
  assert.equal(first.sign, 5);
  assert.ok(first.texts.some((x) => x.text === 'Asc'));
  const gl = north.cells.find((c) => c.texts.some((x) => x.text === 'GL'));
  assert.deepEqual([gl.sign, gl.house, gl.number], [3, 11, '4']);
  await page.screenshot({ path: join(shotDir, 'chart-north-desktop.png'), fullPage: true });

  await page.reload();
  await page.evaluate(() => window.kalodaya.ready);
  await page.waitForSelector('#results:not([hidden])');
  assert.equal(await page.inputValue('#chart-style'), 'north');
  assert.equal(await page.$eval('#chart svg', (s) => s.dataset.style), 'north');
  await context.close();

  const fresh = await openPage(web.browser, web.server.origin, desktop, link);
  await fresh.page.waitForSelector('#results:not([hidden])');
  assert.equal(await fresh.page.$eval('#chart svg', (s) => s.dataset.style), 'south');
  await fresh.context.close();
});
