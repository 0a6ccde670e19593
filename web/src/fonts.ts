// The Indian scripts' fonts, served beside the page (subsets of Debian's Noto Sans, cut by
// scripts/web.sh). One family of four scripts: the browser picks a script's face by the letters
// it draws (unicode-range), so a page in English downloads none and a page in Tamil only Tamil.

export const indicFamily = 'Kalodaya Indic';

// The ranges do not overlap: where faces share a letter the browser fetches the last face
// declared first, so a shared joiner or danda would fetch another script's font. The joiners
// stay with the letters around them (each font has them), the dandas are Devanagari's.
const scripts: ReadonlyArray<readonly [string, string]> = [
  ['Devanagari', 'U+0900-097F, U+1CD0-1CFF, U+A8E0-A8FF'],
  ['Tamil', 'U+0B80-0BFF'],
  ['Telugu', 'U+0C00-0C7F'],
  ['Kannada', 'U+0C80-0CFF'],
];

// The @font-face rules, with the fonts' addresses taken from the page's own (so the page works
// from any folder of a server).
export function addIndicFonts(base: URL): void {
  const rules = scripts.flatMap(([script, range]) =>
    (['Regular', 'Bold'] as const).map((weight) => `@font-face {
  font-family: "${indicFamily}"; font-style: normal; font-weight: ${weight === 'Bold' ? 700 : 400};
  font-display: swap; unicode-range: ${range};
  src: url("${new URL(`fonts/NotoSans${script}-${weight}.woff2`, base).href}") format("woff2");
}`));
  const style = document.createElement('style');
  style.textContent = rules.join('\n');
  document.head.append(style);
}

// Settles once the faces that `text` needs are loaded (both weights), so that texts are
// measured in the font they are drawn in.
export async function fontsFor(text: string): Promise<void> {
  await Promise.all(['400', '700'].map((weight) =>
    document.fonts.load(`${weight} 16px "${indicFamily}"`, text).catch(() => [])));
}
