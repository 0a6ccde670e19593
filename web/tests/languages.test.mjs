// The page in each language: the worked example's texts in it (the core's and the page's own),
// nothing cut or wider than its box at desktop and phone widths, only the language's own
// script's font fetched, the browser's language followed at first, the reader's choice kept
// across a reload and applied without losing the form's entries; the page's own messages (a
// start failure, import errors, the reader's refusals) in Hindi and Tamil.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { browserTests, desktop, phone, shotDir } from './browser.mjs';

const web = browserTests('web page tests');

const worked = '?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=34';

// Each language as the worked example shows it: the browser locale that chooses it (none for
// en-sa, chosen in the list), the Cancer sign's name, the button, August, the Sun's row in the
// planet table, and the script's font ("" for Latin).
const languages = [
  { code: 'en', locale: 'en-US', cancer: 'Cancer', button: 'Get My Ghati Lagna', august: 'August',
    sun: 'Surya/Sun', font: '' },
  { code: 'en-sa', locale: null, cancer: 'Karka', button: 'Get My Ghati Lagna', august: 'August',
    sun: 'Surya', font: '' },
  { code: 'hi', locale: 'hi-IN', cancer: 'कर्क', button: 'मेरा घटी लग्न', august: 'अगस्त',
    sun: 'सूर्य', font: 'Devanagari' },
  { code: 'ta', locale: 'ta-IN', cancer: 'கடகம்', button: 'என் கடிகா லக்னம்', august: 'ஆகஸ்ட்',
    sun: 'சூரியன்', font: 'Tamil' },
  { code: 'te', locale: 'te', cancer: 'కర్కాటకం', button: 'నా ఘటికా లగ్నం', august: 'ఆగస్టు',
    sun: 'రవి', font: 'Telugu' },
  { code: 'kn', locale: 'kn-IN', cancer: 'ಕರ್ಕಾಟಕ', button: 'ನನ್ನ ಘಟಿಕಾ ಲಗ್ನ', august: 'ಆಗಸ್ಟ್',
    sun: 'ರವಿ', font: 'Kannada' },
];

async function open(viewport, locale, query = '') {
  const context = await web.browser.newContext({ viewport, serviceWorkers: 'block', ...(locale ? { locale } : {}) });
  const page = await context.newPage();
  await page.goto(`${web.server.origin}/${query}`);
  await page.evaluate(() => window.kalodaya.ready);
  return { context, page };
}

// Texts the reader sees that are wider than their box (cut, or running out of it), and the
// page's own overflow past the screen's edge. Inline texts are judged by their block.
async function cutTexts(page) {
  return page.evaluate(() => {
    const faults = [];
    const overflow = document.documentElement.scrollWidth - window.innerWidth;
    if (overflow > 0) faults.push(`the page is ${overflow} px wider than the screen`);
    const shown = (e) => e.offsetParent !== null || e.tagName === 'BODY';
    for (const e of document.querySelectorAll('body *')) {
      if (!shown(e) || ['SELECT', 'OPTION', 'INPUT', 'svg', 'SCRIPT'].includes(e.tagName)) continue;
      if (e.closest('svg, select')) continue;
      const style = getComputedStyle(e);
      if (style.display.startsWith('inline') && e.tagName !== 'BUTTON') continue;
      if (![...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim() !== '')) continue;
      if (e.classList.contains('screen-reader')) continue;
      if (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)
        faults.push(`"${e.textContent.trim().slice(0, 40)}" ${e.scrollWidth}x${e.scrollHeight} in ${e.clientWidth}x${e.clientHeight}`);
    }
    return faults;
  });
}

// The chart's texts that leave their cell.
async function textsOutsideCells(page) {
  return page.$eval('#chart svg', (root) => [...root.querySelectorAll('g.sign')].flatMap((g) => {
    const clip = root.querySelector(`clipPath#cell-${g.dataset.sign} rect`);
    const [x, y, w, h] = ['x', 'y', 'width', 'height'].map((a) => Number(clip.getAttribute(a)));
    return [...g.querySelectorAll('g.items text')].filter((t) => {
      const b = t.getBBox();
      return b.x < x - 0.5 || b.y < y - 0.5 || b.x + b.width > x + w + 0.5 || b.y + b.height > y + h + 0.5;
    }).map((t) => t.textContent);
  }));
}

// The page's own texts left in Latin letters in a language of another script (the user's
// entries, the zone list, the numbers and the program's name excepted).
async function latinTexts(page) {
  return page.evaluate(() => [...document.querySelectorAll(
    '[data-text], #planets th, #details dt, #profile dt, #profile dd:not([data-key=english_name]), #profile-texts h3, #profile-texts p, #gl-sign, #gl-window, #details dd:not([data-key=name])')]
    .map((e) => e.textContent).filter((text) => /[A-Za-z]/.test(text)));
}

for (const language of languages) {
  for (const [width, viewport] of [['desktop', desktop], ['phone', phone]]) {
    test(`the worked example in ${language.code} (${width})`, async (t) => {
      if (web.skip) return t.skip(web.skip);
      const { context, page } = await open(viewport, language.locale);
      if (!language.locale) await page.selectOption('#language', language.code);
      assert.equal(await page.inputValue('#language'), language.code);
      assert.equal(await page.textContent('#get-chart'), language.button);
      assert.equal(await page.$eval('#month', (s) => s.options[7].text), language.august);
      assert.deepEqual(await cutTexts(page), [], 'the form');
      if (language.code === 'hi' || language.code === 'ta')
        await page.screenshot({ path: join(shotDir, `entry-${language.code}-${width}.png`), fullPage: true });
      await page.goto(`${web.server.origin}/${worked}`);
      await page.waitForSelector('#results:not([hidden])');
      await page.waitForFunction(() => document.querySelector('#gl-window').textContent !== '');
      assert.equal(await page.textContent('#gl-sign'), language.cancer);
      assert.match(await page.textContent('#gl-window'), new RegExp(language.cancer));
      assert.equal(await page.textContent('#planets th'), language.sun);
      assert.match(await page.textContent('#planets td'), new RegExp(`^28 .*31$`));
      assert.deepEqual(await textsOutsideCells(page), []);
      assert.deepEqual(await cutTexts(page), [], 'the chart');
      if (language.code === 'hi' || language.code === 'ta')
        await page.screenshot({ path: join(shotDir, `chart-${language.code}-${width}.png`), fullPage: true });
      await page.click('#tab-details');
      assert.deepEqual(await cutTexts(page), [], 'the details');
      if (language.font) assert.deepEqual(await latinTexts(page), []);
      if (language.code === 'hi' || language.code === 'ta')
        await page.screenshot({ path: join(shotDir, `details-${language.code}-${width}.png`), fullPage: true });
      // The script's own font from the page's origin, no other script's.
      const fonts = await page.evaluate(() => performance.getEntriesByType('resource')
        .map((r) => new URL(r.name).pathname).filter((p) => p.includes('/fonts/')));
      const scripts = [...new Set(fonts.map((p) => p.match(/NotoSans(\w+?)-/)[1]))];
      assert.deepEqual(scripts, language.font ? [language.font] : []);
      await context.close();
    });
  }
}

test('a chosen language keeps the form, shows the chart again, and survives a reload', async (t) => {
  if (web.skip) return t.skip(web.skip);
  const { context, page } = await open(desktop, 'en-US');
  await page.fill('#name', 'SITA');
  await page.selectOption('#month', { index: 7 });
  await page.fill('#lat-deg', '13');
  await page.selectOption('#ephemeris', 'modern');
  await page.selectOption('#ayanamsa', 'lahiri');
  await page.selectOption('#language', 'ta');
  assert.equal(await page.inputValue('#name'), 'SITA');
  assert.equal(await page.$eval('#month', (s) => s.selectedOptions[0].text), 'ஆகஸ்ட்');
  assert.equal(await page.inputValue('#lat-deg'), '13');
  assert.equal(await page.$eval('#ayanamsa', (s) => s.selectedOptions[0].text), 'லாஹிரி');
  assert.equal(await page.$eval('html', (h) => h.lang), 'ta');
  // A chart on screen is made again in the new language.
  await page.goto(`${web.server.origin}/${worked}`);
  await page.waitForSelector('#results:not([hidden])');
  assert.equal(await page.textContent('#gl-sign'), 'கடகம்');
  await page.selectOption('#language', 'kn');
  await page.waitForFunction(() => document.querySelector('#gl-sign').textContent === 'ಕರ್ಕಾಟಕ');
  assert.equal(await page.isVisible('#results'), true);
  assert.equal(await page.textContent('#details dd[data-key="latitude"]'), "28° 39' ಉತ್ತರ");
  await page.reload();
  await page.evaluate(() => window.kalodaya.ready);
  await page.waitForSelector('#results:not([hidden])');
  assert.equal(await page.inputValue('#language'), 'kn');
  assert.equal(await page.textContent('#gl-sign'), 'ಕರ್ಕಾಟಕ');
  // The choice outranks the browser's language; English is a choice like the others.
  await page.selectOption('#language', 'en');
  await page.reload();
  await page.evaluate(() => window.kalodaya.ready);
  assert.equal(await page.textContent('#gl-sign'), 'Cancer');
  await context.close();
});

test('the zone line of a place from the atlas is written in the page\'s language, and again on a change', async (t) => {
  if (web.skip) return t.skip(web.skip);
  const { context, page } = await open(desktop, 'hi-IN');
  await page.evaluate(() => window.kalodaya.atlasReady);
  await page.selectOption('#month', { index: 7 });
  await page.selectOption('#day', { label: '15' });
  await page.selectOption('#year', { label: '1990' });
  await page.selectOption('#hour', { label: '10' });
  await page.selectOption('#minute', { label: '30' });
  await page.fill('#city', 'New Delhi');
  await page.waitForSelector('#place-list li');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  assert.equal(await page.textContent('#zone-line'), 'Asia/Kolkata, 15 अगस्त 1990 को 10:30 बजे: UTC+05:30 (IST)');
  await page.selectOption('#language', 'ta');
  await page.waitForFunction(() => document.querySelector('#zone-line').textContent.includes('ஆகஸ்ட்'));
  assert.equal(await page.textContent('#zone-line'), 'Asia/Kolkata, 15 ஆகஸ்ட் 1990 அன்று 10:30 மணிக்கு: UTC+05:30 (IST)');
  await context.close();
});

test("the browser's language decides the first showing, by its primary subtag", async (t) => {
  if (web.skip) return t.skip(web.skip);
  for (const [locale, code] of [['ta-LK', 'ta'], ['kn', 'kn'], ['fr-FR', 'en'], ['en-IN', 'en']]) {
    const { context, page } = await open(phone, locale);
    assert.equal(await page.inputValue('#language'), code, locale);
    await context.close();
  }
});

test("the core's entry checks answer in the page's language", async (t) => {
  if (web.skip) return t.skip(web.skip);
  for (const [locale, message] of [['ta', 'தயவுசெய்து பெயரை உள்ளிடவும்'], ['hi', 'कृपया नाम दर्ज करें'],
    ['en', 'Please Enter Name']]) {
    const { context, page } = await open(phone, locale);
    await page.click('#get-chart');
    assert.equal(await page.textContent('#message'), message, locale);
    assert.equal(await page.isVisible('#entry'), true);
    await context.close();
  }
});

// The page's own messages in a language of its own script: each lead-in, with the English
// words after it that come from the browser or the core's reader (checked by their start).
const messages = [
  { code: 'hi', locale: 'hi-IN', cannotStart: 'कालोदय शुरू नहीं हो सका: ',
    unreadable: 'फ़ाइल lost.jsonl पढ़ी नहीं जा सकी: ', refused: 'odd.csv सहेजी गई कुंडलियों की फ़ाइल नहीं है: ',
    imported: '1 आयात किए गए, 1 अस्वीकार किए गए; पंक्ति 2: ',
    entries: 'ये प्रविष्टियाँ उपयोग नहीं की जा सकतीं: ', place: 'स्थान दर्ज नहीं किया जा सका: ' },
  { code: 'ta', locale: 'ta-IN', cannotStart: 'காலோதயாவைத் தொடங்க முடியவில்லை: ',
    unreadable: 'lost.jsonl கோப்பைப் படிக்க முடியவில்லை: ', refused: 'odd.csv சேமித்த ஜாதகங்களின் கோப்பு அல்ல: ',
    imported: '1 இறக்குமதி செய்யப்பட்டன, 1 நிராகரிக்கப்பட்டன; வரி 2: ',
    entries: 'இந்த உள்ளீடுகளைப் பயன்படுத்த முடியாது: ', place: 'இடத்தை உள்ளிட முடியவில்லை: ' },
];

// The screens the messages are kept at as screenshots.
const shotSizes = [['desktop', { width: 1280, height: 800 }], ['phone', { width: 390, height: 844 }]];

const startsWith = (text, lead) => assert.ok(text.startsWith(lead) && text.length > lead.length,
  `"${text}" does not start with "${lead}" and go on`);

// A page whose module is missing from the server, as a failed or partial upload leaves it.
async function withoutModule(viewport, locale, stored) {
  const context = await web.browser.newContext({ viewport, serviceWorkers: 'block', locale });
  await context.route('**/kalodaya.js', (route) => route.fulfill({ status: 404, body: '' }));
  if (stored) await context.addInitScript((code) => localStorage.setItem('kalodaya.language', code), stored);
  const page = await context.newPage();
  await page.goto(`${web.server.origin}/`);
  await page.waitForFunction(() => document.getElementById('message').textContent !== '');
  return { context, page };
}

test('the page that cannot start says so in the language it would have started in', async (t) => {
  if (web.skip) return t.skip(web.skip);
  // [browser locale, language kept from an earlier visit, the message's language, its lead-in]
  const cases = [
    ['hi-IN', null, 'hi', messages[0].cannotStart],
    ['ta-LK', null, 'ta', messages[1].cannotStart],
    ['hi-IN', 'ta', 'ta', messages[1].cannotStart],
    ['fr-FR', null, 'en', 'Kalodaya cannot start: '],
    ['ta-IN', 'en-sa', 'en', 'Kalodaya cannot start: '],
  ];
  for (const [locale, stored, lang, lead] of cases) {
    const { context, page } = await withoutModule(desktop, locale, stored);
    startsWith(await page.textContent('#message'), lead);
    assert.equal(await page.$eval('html', (h) => h.lang), lang, `${locale} ${stored}`);
    // The banner's tagline in the same language; the form, which cannot work, not shown.
    assert.equal(/[A-Za-z]/.test(await page.textContent('.banner p')), lang === 'en', `${locale} ${stored}`);
    assert.equal(await page.isHidden('#get-chart'), true);
    assert.equal(await page.isHidden('#import'), true);
    await context.close();
  }
});

for (const m of messages) {
  for (const [width, viewport] of shotSizes) {
    test(`the start failure in ${m.code} (${width})`, async (t) => {
      if (web.skip) return t.skip(web.skip);
      const { context, page } = await withoutModule(viewport, m.locale, null);
      startsWith(await page.textContent('#message'), m.cannotStart);
      await page.screenshot({ path: join(shotDir, `cannot-start-${m.code}-${width}.png`), fullPage: true });
      await context.close();
    });
  }

  test(`import errors, unreadable entries and an unenterable place in ${m.code}`, async (t) => {
    if (web.skip) return t.skip(web.skip);
    const { context, page } = await open(desktop, m.locale);
    const request = { name: 'SITA', date: '1990-08-15', time: '10:30:00', lat: '28:39N', lon: '77:13E', zone: 34 };
    const importing = (name, text) => async () => {
      await page.evaluate(() => { document.getElementById('saved-status').textContent = ''; });
      await page.setInputFiles('#import', { name, mimeType: 'text/plain', buffer: Buffer.from(text) });
      await page.waitForFunction(() => document.getElementById('saved-status').textContent !== '');
    };
    // [what, how it comes about, where the page says it, the lead-in, its screenshot's name]
    const cases = [
      ['a file the browser cannot read', async () => {
        await page.evaluate(() => {
          File.prototype.text = () => Promise.reject(new DOMException('gone', 'NotReadableError'));
        });
        await importing('lost.jsonl', 'x')();
        await page.evaluate(() => { delete File.prototype.text; });
      }, '#saved-status', m.unreadable, null],
      ['a file the reader refuses', importing('odd.csv', 'colour,shape\nred,round\n'), '#saved-status', m.refused,
        'import-error'],
      ['a file with a refused line', importing('two.jsonl', `${JSON.stringify(request)}\nnot a request\n`),
        '#saved-status', m.imported, 'import-refused'],
      ['a link the reader cannot read', async () => {
        await page.goto(`${web.server.origin}/?name=SITA&date=1990-08-15&time=10:30:00&lat=28:39N&lon=77:13E&zone=99`);
        await page.waitForFunction(() => document.getElementById('message').textContent !== '');
      }, '#message', m.entries, 'unusable-entries'],
      ['a place entered into entries the reader cannot read', async () => {
        await page.goto(`${web.server.origin}/`);
        await page.evaluate(() => window.kalodaya.atlasReady);
        // The lists never offer the classic ephemeris a true node; a script can still set it.
        await page.$eval('#node', (box) => { box.value = 'true'; });
        await page.fill('#city', 'Chenn');
        await page.press('#city', 'ArrowDown');
        await page.press('#city', 'Enter');
        await page.waitForFunction(() => document.getElementById('message').textContent !== '');
      }, '#message', m.place, null],
    ];
    for (const [what, happen, where, lead, shot] of cases) {
      await happen();
      startsWith(await page.textContent(where), lead);
      if (!shot) continue;
      for (const [width, size] of shotSizes) {
        await page.setViewportSize(size);
        await page.screenshot({ path: join(shotDir, `${shot}-${m.code}-${width}.png`), fullPage: true });
      }
      await page.setViewportSize(desktop);
    }
    await context.close();
  });
}
