// What the page's browser tests share: the built page served from build/web/ by a small
// server that notes every request, and Debian's Chromium driven headless by playwright-core.
import { before, after } from 'node:test';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { existsSync, mkdirSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const sourceDir = fileURLToPath(new URL('../..', import.meta.url));
export const outDir = process.env.KALODAYA_WEB_OUT ?? join(sourceDir, 'build/web');
export const shotDir = join(sourceDir, 'build/web-screenshots');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.gz': 'application/gzip', '.json': 'application/json',
};

// Serves outDir on a free port of 127.0.0.1; `requests` holds every path asked for.
export async function serve() {
  const requests = [];
  const server = createServer(async (req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    requests.push(path);
    const file = normalize(join(outDir, path.endsWith('/') ? `${path}index.html` : path));
    if (!file.startsWith(outDir)) { res.writeHead(403).end(); return; }
    try {
      const body = await readFile(file);
      res.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream' });
      res.end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const origin = `http://127.0.0.1:${server.address().port}`;
  return { origin, requests, close: () => new Promise((resolve) => server.close(resolve)) };
}

const chromiumPath = process.env.KALODAYA_CHROMIUM ?? '/usr/bin/chromium';

// The browser, or why it cannot start (the tests are then skipped with that line).
export async function launch() {
  if (!existsSync(chromiumPath)) return { skip: `no Chromium at ${chromiumPath}` };
  if (!existsSync(join(outDir, 'index.html'))) return { skip: `no built page in ${outDir}` };
  try {
    const browser = await chromium.launch({
      executablePath: chromiumPath,
      headless: true,
      // As root (CI) Chromium's sandbox cannot start.
      args: ['--no-sandbox', '--disable-dev-shm-usage'],
    });
    return { browser };
  } catch (error) {
    return { skip: `Chromium cannot start: ${String(error.message).split('\n')[0]}` };
  }
}

// The browser and the server for one file of tests (`what` names them when they are skipped):
// set by the file's first hook, closed after its last test. A test returns t.skip(web.skip)
// when `web.skip` says why there is no browser.
export function browserTests(what) {
  const web = { browser: null, server: null, skip: false };
  before(async () => {
    const launched = await launch();
    if (launched.skip) {
      web.skip = launched.skip;
      console.log(`${what} skipped: ${web.skip}`);
      return;
    }
    web.browser = launched.browser;
    web.server = await serve();
    mkdirSync(shotDir, { recursive: true });
  });
  after(async () => {
    await web.browser?.close();
    await web.server?.close();
  });
  return web;
}

export const desktop = { width: 1280, height: 900 };
export const phone = { width: 360, height: 740 };

// A page of a new context (its own cache and storage) at `viewport`, loaded and ready.
export async function openPage(browser, origin, viewport, query = '') {
  const context = await browser.newContext({ viewport, serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(`${origin}/${query}`);
  await page.evaluate(() => window.kalodaya.ready);
  return { context, page };
}

// Charts compared as the golden rule has it: every text, Boolean, null and integer the same,
// every other number within 1e-9 (the module's maths library may differ in the last bits).
export const tolerance = 1e-9;

// Where `actual` differs from `expected` beyond the rule, as a path ("" when it does not).
export function difference(expected, actual, path = '$') {
  if (typeof expected === 'number' && typeof actual === 'number') {
    if (Number.isInteger(expected) && Number.isInteger(actual)) return expected === actual ? '' : path;
    return Math.abs(expected - actual) <= tolerance ? '' : path;
  }
  if (Array.isArray(expected)) {
    if (!Array.isArray(actual) || actual.length !== expected.length) return path;
    for (let i = 0; i < expected.length; ++i) {
      const found = difference(expected[i], actual[i], `${path}[${i}]`);
      if (found) return found;
    }
    return '';
  }
  if (expected !== null && typeof expected === 'object') {
    if (actual === null || typeof actual !== 'object' || Array.isArray(actual)) return path;
    const keys = Object.keys(expected);
    if (keys.join() !== Object.keys(actual).join()) return `${path} (members)`;
    for (const key of keys) {
      const found = difference(expected[key], actual[key], `${path}.${key}`);
      if (found) return found;
    }
    return '';
  }
  return expected === actual ? '' : path;
}
