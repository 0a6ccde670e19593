// The page's speed in Chromium, medians of several runs: the first chart after a cold load
// (a new browser context: nothing cached), a chart from the button to the painted chart, a
// place search as one keystroke asks it once the atlas is loaded, and the atlas's load.
// Run by scripts/web.sh bench; prints one line per figure.
import { desktop, launch, serve } from '../tests/browser.mjs';

const runs = Number(process.env.KALODAYA_BENCH_RUNS ?? 7);
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const link = '?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=34';

const launched = await launch();
if (launched.skip) {
  console.log(`web bench skipped: ${launched.skip}`);
  process.exit(0);
}
const { browser } = launched;
const server = await serve();
const cold = [];
const atlas = [];
const charts = [];
const keystrokes = [];
for (let run = 0; run < runs; ++run) {
  const context = await browser.newContext({ viewport: desktop, serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(`${server.origin}/${link}`);
  await page.waitForFunction(() => !Number.isNaN(window.kalodaya.firstChartMilliseconds));
  // Both from the start of the page's navigation, as the page measured them.
  cold.push(await page.evaluate(() => window.kalodaya.firstChartMilliseconds));
  atlas.push(await page.evaluate(() => window.kalodaya.atlasReady.then(() => performance.now())));
  for (let i = 0; i < 5; ++i) {
    await page.click('#back');
    await page.evaluate(() => { window.kalodaya.lastChartMilliseconds = NaN; });
    await page.click('#get-chart');
    await page.waitForFunction(() => !Number.isNaN(window.kalodaya.lastChartMilliseconds));
    charts.push(await page.evaluate(() => window.kalodaya.lastChartMilliseconds));
  }
  keystrokes.push(await page.evaluate(() => {
    const box = document.getElementById('city');
    const times = [];
    for (const text of ['C', 'Ch', 'Che', 'Chen', 'Chenn', 'New D', 'Paris, Texas', 'Bomb']) {
      const t0 = performance.now();
      box.value = text;
      box.dispatchEvent(new Event('input'));
      times.push(performance.now() - t0);
    }
    return Math.max(...times);
  }));
  await context.close();
}
console.log(`first chart after a cold load: median ${median(cold).toFixed(0)} ms (${runs} runs)`);
console.log(`atlas loaded after a cold load: median ${median(atlas).toFixed(0)} ms`);
console.log(`chart, button to painted chart: median ${median(charts).toFixed(1)} ms (${charts.length} charts)`);
console.log(`place keystroke, slowest of 8 texts: median ${median(keystrokes).toFixed(1)} ms`);
await browser.close();
await server.close();
