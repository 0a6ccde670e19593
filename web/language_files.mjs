// The language files (src/profile/texts/<code>.tsv) as the core's reader reads them: one
// "key<TAB>text" a line, comments and empty lines skipped, the first entry of a key kept.
// Shared by the page's build (the texts it needs before the module has loaded) and its tests.
import { readFileSync, readdirSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { join } from 'node:path';

export const textsDir = fileURLToPath(new URL('../src/profile/texts', import.meta.url));

// key -> text of the language file of `code`.
export function languageFile(code) {
  const texts = new Map();
  for (const line of readFileSync(join(textsDir, `${code}.tsv`), 'utf8').split('\n')) {
    const clean = line.replace(/\r$/, '');
    if (clean === '' || clean.startsWith('#')) continue;
    const tab = clean.indexOf('\t');
    if (tab > 0 && !texts.has(clean.slice(0, tab))) texts.set(clean.slice(0, tab), clean.slice(tab + 1));
  }
  return texts;
}

// The codes of every language file, English first.
export function languageCodes() {
  const codes = readdirSync(textsDir).filter((f) => f.endsWith('.tsv')).map((f) => f.slice(0, -4));
  return ['en', ...codes.filter((c) => c !== 'en').sort()];
}

// The text of `key` in every language, English where a language has none: code -> text.
export function textInEveryLanguage(key) {
  const english = languageFile('en').get(key);
  if (english === undefined) throw new Error(`${key} is no English text`);
  return Object.fromEntries(languageCodes().map((code) => [code, languageFile(code).get(key) ?? english]));
}
