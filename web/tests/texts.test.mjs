// The page's own texts in the language files: every key the page names is an English text,
// every web.* text is named by the page, and each language of another script than Latin has
// its own text for every key the page shows (a missing one would show English letters on,
// say, a Tamil page). The texts themselves are checked with the core's other texts
// (ctest -R LanguageFiles).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { sourceDir } from './browser.mjs';
import { languageFile } from '../language_files.mjs';

// The keys the page names: data-text and data-label in its HTML, quoted keys in its scripts,
// and the planet rows' keys the table builds from the bodies' names.
function pageKeys() {
  const keys = new Set();
  const html = readFileSync(join(sourceDir, 'web/index.html'), 'utf8');
  for (const m of html.matchAll(/data-(?:text|label)="([^"]+)"/g)) keys.add(m[1]);
  const srcDir = join(sourceDir, 'web/src');
  for (const file of readdirSync(srcDir).filter((f) => f.endsWith('.ts'))) {
    const source = readFileSync(join(srcDir, file), 'utf8');
    for (const m of source.matchAll(/'((?:web|page|caption|meta)\.[A-Za-z0-9.-]+)'/g)) keys.add(m[1]);
    for (const m of source.matchAll(/const planetBodies = \[([^\]]*)\]/g))
      for (const body of m[1].matchAll(/'(\w+)'/g)) keys.add(`page.planet.${body[1]}`);
  }
  return [...keys].sort();
}

test("every key the page names is an English text, and every page text is named", () => {
  const english = languageFile('en');
  const keys = pageKeys();
  assert.ok(keys.length > 60, `only ${keys.length} keys found`);
  assert.deepEqual(keys.filter((key) => !english.has(key)), [], 'keys without an English text');
  const named = new Set(keys);
  assert.deepEqual([...english.keys()].filter((key) => key.startsWith('web.') && !named.has(key)), [],
    'page texts the page never shows');
});

test('the Indian languages have every page text with a Latin letter in English', () => {
  const english = languageFile('en');
  const keys = pageKeys();
  for (const code of ['hi', 'ta', 'te', 'kn']) {
    const texts = languageFile(code);
    const missing = keys.filter((key) => /[A-Za-z]/.test(english.get(key) ?? '') && !texts.has(key));
    assert.deepEqual(missing, [], `${code}: page texts left to English`);
    const latin = keys.filter((key) => !key.startsWith('meta.') && /[A-Za-z]/.test(texts.get(key) ?? ''));
    assert.deepEqual(latin, [], `${code}: page texts with Latin letters`);
  }
});

test('a page text keeps its placeholders in every language', () => {
  const english = languageFile('en');
  const placeholders = (text) => (text.match(/%[1-9]/g) ?? []).sort();
  for (const code of ['en-sa', 'hi', 'ta', 'te', 'kn']) {
    const texts = languageFile(code);
    for (const key of pageKeys().filter((k) => texts.has(k)))
      assert.deepEqual(placeholders(texts.get(key)), placeholders(english.get(key)), `${code} ${key}`);
  }
});
