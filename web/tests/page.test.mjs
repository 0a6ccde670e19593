// The page in Chromium: the worked example typed by keyboard and picked from the place popup,
// a link that holds the entries, the core's messages, the results at desktop and phone
// widths, the page offline, and no request outside its own origin.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { browserTests, desktop, difference, openPage, phone, shotDir } from './browser.mjs';

const web = browserTests('web page tests');

// The worked example's chart as the desktop shows it.
const worked = {
  sign: 'Cancer',
  planets: ['28 Can 31', '18 Tau 54', '25 Leo 34', '07 Can 59', '27 Ari 37', '05 Can 46',
    '26 Sag 10', '11 Cap 50', '11 Can 50', '28 Vir 42'],
  details: { name: 'RAMA', dob: 'August/15/1990', tob: '10:30', latitude: "28° 39' N",
    longitude: "77° 13' E" },
};

async function planetTexts(page) {
  return page.$$eval('#planets td', (cells) => cells.map((cell) => cell.textContent));
}

async function glSign(page) {
  // The square whose markers hold "GL".
  return page.$$eval('#chart g.sign', (groups) => groups
    .filter((g) => [...g.querySelectorAll('text.marker')].some((t) => t.textContent === 'GL'))
    .map((g) => Number(g.dataset.sign)));
}

async function selectByKeys(page, id, text) {
  await page.focus(`#${id}`);
  await page.selectOption(`#${id}`, { label: text });
}

for (const [width, viewport] of [['desktop', desktop], ['phone', phone]]) {
  test(`the worked example typed by keyboard gives Cancer (${width})`, async (t) => {
    if (web.skip) return t.skip(web.skip);
    const { context, page } = await openPage(web.browser, web.server.origin, viewport);
    await page.evaluate(() => window.kalodaya.atlasReady);
    await page.screenshot({ path: join(shotDir, `entry-${width}.png`), fullPage: true });
    await page.focus('#name');
    await page.keyboard.type('rama');
    assert.equal(await page.inputValue('#name'), 'RAMA');
    // The lists by keyboard: typing a list's text selects its entry.
    for (const [id, text] of [['month', 'August'], ['day', '15'], ['year', '1990'],
      ['hour', '10'], ['minute', '30'], ['second', '0']]) {
      await selectByKeys(page, id, text);
    }
    await page.focus('#city');
    await page.keyboard.type('New Delhi');
    await page.waitForSelector('#place-list li');
    await page.screenshot({ path: join(shotDir, `popup-${width}.png`) });
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await page.inputValue('#lat-deg'), '28');
    assert.equal(await page.inputValue('#lon-deg'), '77');
    assert.equal(await page.$eval('#zone', (s) => s.selectedOptions[0].textContent),
      'Indian Time, IST, +5.3');
    assert.match(await page.textContent('#zone-line'), /^Asia\/Kolkata on 15 August 1990 at 10:30: UTC\+05:30/);
    // The coordinates as the worked example has them (the atlas gives New Delhi's own).
    await page.fill('#lat-min', '');
    await page.focus('#lat-min');
    await page.keyboard.type('39');
    await page.fill('#lon-min', '');
    await page.focus('#lon-min');
    await page.keyboard.type('13');
    await page.focus('#get-chart');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#results:not([hidden])');
    assert.equal(await page.textContent('#gl-sign'), worked.sign);
    assert.deepEqual(await glSign(page), [3]);
    assert.deepEqual(await planetTexts(page), worked.planets);
    for (const [key, text] of Object.entries(worked.details))
      assert.equal(await page.textContent(`#details dd[data-key="${key}"]`), text);
    await page.screenshot({ path: join(shotDir, `chart-${width}.png`), fullPage: true });
    // The details page by keyboard: the arrow key moves to its tab.
    await page.keyboard.press('ArrowRight');
    assert.equal(await page.isVisible('#details-page'), true);
    assert.equal(await page.textContent('#profile dd[data-key="english_name"]'), 'Cancer');
    assert.equal(await page.$$eval('#profile-texts p', (ps) => ps.filter((p) => p.textContent.length > 40).length), 5);
    await page.screenshot({ path: join(shotDir, `details-${width}.png`), fullPage: true });
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(overflow <= 0, `the page is ${overflow} pixels wider than the screen`);
    await context.close();
  });
}

test('a link that holds the entries opens its chart', async (t) => {
  if (web.skip) return t.skip(web.skip);
  for (const query of [
    '?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=34',
    '?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&utc_offset=%2B05:30',
    '?name=RAMA&date=1990-08-15&time=10:30:00&place=New%20Delhi&lat=28:39N&lon=77:13E',
  ]) {
    const { context, page } = await openPage(web.browser, web.server.origin, desktop, query);
    await page.waitForSelector('#results:not([hidden])');
    assert.equal(await page.textContent('#gl-sign'), worked.sign, query);
    assert.deepEqual(await planetTexts(page), worked.planets, query);
    await context.close();
  }
});

test("the ghati lagna's birth-time window, and the calculation settings chosen in the form", async (t) => {
  if (web.skip) return t.skip(web.skip);
  const link = '?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=34';
  const { context, page } = await openPage(web.browser, web.server.origin, desktop, link);
  await page.waitForSelector('#results:not([hidden])');
  await page.waitForFunction(() => document.getElementById('gl-window').textContent !== '');
  assert.match(await page.textContent('#gl-window'),
    /^Ghati lagna in Cancer for births from 10:15:00 to 10:38:59 \(/);

  // The classic ephemeris has its own ayanamsa and the mean node only: as on the desktop, the
  // lists offer nothing else, and the classic ayanamsa is no choice for the modern ephemeris.
  await page.click('#back');
  const offered = () => page.evaluate(() => ['ayanamsa', 'node'].map((id) => {
    const box = document.getElementById(id);
    return [box.disabled, [...box.options].filter((o) => !o.disabled).map((o) => o.value)];
  }));
  assert.deepEqual((await offered()).map(([disabled]) => disabled), [true, true]);
  // The modern ephemeris brings its own ayanamsa; its chart is the native program's.
  await page.selectOption('#ephemeris', 'modern');
  assert.equal(await page.inputValue('#ayanamsa'), 'lahiri');
  const [[ayanamsaOff, ayanamsas], [nodeOff]] = await offered();
  assert.deepEqual([ayanamsaOff, nodeOff, ayanamsas.includes('classic')], [false, false, false]);
  await page.selectOption('#node', 'true');
  await page.click('#get-chart');
  await page.waitForSelector('#results:not([hidden])');
  const line = { name: 'RAMA', date: '1990-08-15', time: '10:30:00', lat: '28:39N', lon: '77:13E',
    city: '', state: '', country: '', zone: 34, dst: false, ephemeris: 'modern', node: 'true' };
  const chart = await page.evaluate((l) => window.kalodaya.chart(l), JSON.stringify(line));
  assert.deepEqual(JSON.parse(chart).settings,
    { ephemeris: 'modern', ayanamsa: 'lahiri', node: 'true', sunrise: 'classic' });
  assert.equal(await page.textContent('#gl-sign'), JSON.parse(chart).ghati_lagna.sign_name);
  if (process.env.KALODAYA_CHART) {
    const native = execFileSync(process.env.KALODAYA_CHART, ['--batch'],
      { input: `${JSON.stringify(line)}\n` }).toString();
    assert.equal(difference(JSON.parse(native), JSON.parse(chart)), '');
  }
  await context.close();
});

test("the core's messages are shown and nothing is computed", async (t) => {
  if (web.skip) return t.skip(web.skip);
  const { context, page } = await openPage(web.browser, web.server.origin, desktop);
  const cases = [
    // [link, the message the page shows: the entry checks' own, the reader's after a lead-in]
    ['?name=RAMA&date=1990-08-15&time=10:30:00&lon=77:13E&zone=34',
      JSON.parse(await page.evaluate(() => window.kalodaya.chart(
        '{"name":"RAMA","date":"1990-08-15","time":"10:30:00","lon":"77:13E","zone":34}'))).message],
    ['?name=RAMA&date=1990-02-30&time=10:30:00&lat=28:39N&lon=77:13E&zone=34',
      JSON.parse(await page.evaluate(() => window.kalodaya.chart(
        '{"name":"RAMA","date":"1990-02-30","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34}'))).message],
    ['?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=99',
      JSON.parse(await page.evaluate(() => window.kalodaya.chart(
        '{"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":99}'))).error
        ?.replace(/^/, 'These entries cannot be used: ')],
  ];
  for (const [query, expected] of cases) {
    assert.ok(expected, `the core has a message for ${query}`);
    const linked = await openPage(web.browser, web.server.origin, desktop, query);
    await linked.page.waitForFunction(() => document.getElementById('message').textContent !== '');
    assert.equal(await linked.page.textContent('#message'), expected, query);
    assert.equal(await linked.page.isHidden('#results'), true);
    await linked.context.close();
  }
  await context.close();
});

test('offline after the first visit, and no request outside the origin', async (t) => {
  if (web.skip) return t.skip(web.skip);
  const context = await web.browser.newContext({ viewport: desktop });
  const foreign = [];
  context.on('request', (request) => {
    if (!request.url().startsWith(`${web.server.origin}/`) && !request.url().startsWith('data:'))
      foreign.push(request.url());
  });
  const page = await context.newPage();
  await page.goto(`${web.server.origin}/`);
  await page.evaluate(() => window.kalodaya.atlasReady);
  await page.evaluate(() => navigator.serviceWorker.ready);
  // The first load may finish before the worker controls the page: one more visit fills the
  // cache with whatever the worker did not fetch itself.
  await page.reload();
  await page.evaluate(() => window.kalodaya.atlasReady);
  await context.setOffline(true);
  const before = web.server.requests.length;
  await page.reload();
  await page.evaluate(() => window.kalodaya.ready);
  await page.evaluate(() => window.kalodaya.atlasReady);
  assert.equal(web.server.requests.length, before, 'offline, the server was asked');
  const places = await page.evaluate(() => window.kalodaya.findPlace('chennai', 1));
  assert.match(places, /"name":"Chennai"/);
  const chart = JSON.parse(await page.evaluate(() => window.kalodaya.chart(
    '{"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34}')));
  assert.equal(chart.ghati_lagna.sign_name, 'Cancer');
  assert.deepEqual(foreign, []);
  await context.close();
});

// The text of the file a button downloads.
async function download(page, button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  return new Promise((resolve, reject) => {
    file.createReadStream().then((stream) => {
      const parts = [];
      stream.on('data', (part) => parts.push(part));
      stream.on('end', () => resolve(Buffer.concat(parts).toString('utf8')));
      stream.on('error', reject);
    }, reject);
  });
}

async function importFile(page, name, text) {
  await page.evaluate(() => { document.getElementById('saved-status').textContent = ''; });
  await page.setInputFiles('#import', { name, mimeType: 'text/plain', buffer: Buffer.from(text) });
  await page.waitForFunction(() => document.getElementById('saved-status').textContent !== '');
}

test('a saved chart is kept across a reload, and goes out and in as request lines and CSV', async (t) => {
  if (web.skip) return t.skip(web.skip);
  const link = '?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=34';
  const { context, page } = await openPage(web.browser, web.server.origin, desktop, link);
  await page.waitForSelector('#results:not([hidden])');
  await page.click('#save');
  await page.waitForFunction(() => document.getElementById('save').textContent === 'Saved');
  await page.goto(`${web.server.origin}/`);
  await page.evaluate(() => window.kalodaya.ready);
  await page.waitForSelector('#saved-list button');
  assert.equal(await page.textContent('#saved-list button'), 'RAMA 1990-08-15 10:30:00');
  await page.click('#saved-list button');
  await page.waitForSelector('#results:not([hidden])');
  assert.equal(await page.textContent('#gl-sign'), worked.sign);
  assert.deepEqual(await planetTexts(page), worked.planets);

  await page.click('#back');
  const line = JSON.parse((await download(page, '#export')).trim());
  assert.deepEqual(line, { name: 'RAMA', date: '1990-08-15', time: '10:30:00', lat: '28:39N',
    lon: '77:13E', zone: 34, dst: false, city: '', state: '', country: '' });

  await importFile(page, 'family.jsonl', `${JSON.stringify({ ...line, name: 'SITA' })}\nnot a request\n`);
  assert.match(await page.textContent('#saved-status'), /^1 imported, 1 refused; line 2: /);
  assert.equal(await page.$$eval('#saved-list button', (b) => b.length), 2);

  // The desktop's CSV: written by the page, read by the desktop's import and written again by
  // its export (when the native program is at hand), and read back by the page.
  let csv = await download(page, '#export-csv');
  assert.match(csv, /^name,date,time,lat,lon,zone,utc_offset,utc_offset_label,dst,city,state,country,/);
  assert.equal(csv.trim().split('\n').length, 3);
  const native = process.env.KALODAYA_CHART;
  if (native) {
    const dir = mkdtempSync(join(tmpdir(), 'kalodaya-web-'));
    const db = join(dir, 'records.sqlite');
    writeFileSync(join(dir, 'in.csv'), csv);
    execFileSync(native, ['--records-db', db, '--records-import', join(dir, 'in.csv')]);
    execFileSync(native, ['--records-db', db, '--records-export', join(dir, 'out.csv')]);
    csv = readFileSync(join(dir, 'out.csv'), 'utf8');
    rmSync(dir, { recursive: true });
  }
  await importFile(page, 'desktop.csv', `${csv}SITA,1990-13-01,,,,,,,,,,,,,,,\n`);
  assert.match(await page.textContent('#saved-status'), /^2 imported, 1 refused; line 4: /);
  assert.deepEqual(await page.$$eval('#saved-list button', (b) => b.map((x) => x.textContent)),
    ['RAMA 1990-08-15 10:30:00', 'SITA 1990-08-15 10:30:00',
      'RAMA 1990-08-15 10:30:00', 'SITA 1990-08-15 10:30:00']);
  await context.close();
});
