// The page's own texts in the chosen language: the core's language files hold them (the same
// files the desktop reads), the module hands them over, a key a language lacks is its English
// text. The page's elements name their text's key: data-text (their text), data-label (their
// aria-label). The few texts shown when the module cannot load come with the page itself.
import withPage from 'virtual:start-texts';

export interface LanguageName {
  code: string;
  name: string;
}

export interface PageTextsJson {
  language: string;
  texts: Record<string, string>;
  languages: LanguageName[];
}

// `pattern` with %1 .. %9 replaced by the arguments of those numbers, as the core fills its
// patterns: a number without an argument, and a % before anything else, stay as written.
export function fillPlaceholders(pattern: string, args: readonly string[]): string {
  return pattern.replace(/%([1-9])/g, (whole, n: string) => args[Number(n) - 1] ?? whole);
}

export class PageTexts {
  constructor(private readonly json: PageTextsJson) {}

  get language(): string {
    return this.json.language;
  }

  get languages(): LanguageName[] {
    return this.json.languages;
  }

  // The text of `key`; the key itself when no language file has it (a fault the tests catch).
  t(key: string, ...args: string[]): string {
    return fillPlaceholders(this.json.texts[key] ?? key, args);
  }

  has(key: string): boolean {
    return key in this.json.texts;
  }

  // Every element under `root` that names a key gets its text; with `held`, only those whose
  // key these texts hold (the rest keep theirs).
  apply(root: ParentNode, held = false): void {
    for (const element of root.querySelectorAll<HTMLElement>('[data-text]'))
      if (!held || this.has(element.dataset.text!)) element.textContent = this.t(element.dataset.text!);
    for (const element of root.querySelectorAll<HTMLElement>('[data-label]'))
      if (!held || this.has(element.dataset.label!))
        element.setAttribute('aria-label', this.t(element.dataset.label!));
  }
}

const storageKey = 'kalodaya.language';

// The language of the page's first showing: the reader's last choice, else the first of the
// browser's languages the page speaks (by its primary subtag: "ta-IN" is Tamil), else English.
export function startLanguage(codes: readonly string[], browser: readonly string[]): string {
  let stored: string | null = null;
  try {
    stored = localStorage.getItem(storageKey);
  } catch {
    // A browser that keeps nothing: the browser's languages decide.
  }
  if (stored !== null && codes.includes(stored)) return stored;
  for (const tag of browser) {
    const lower = tag.toLowerCase();
    if (codes.includes(lower)) return lower;
    const primary = lower.split('-')[0];
    if (codes.includes(primary)) return primary;
  }
  return 'en';
}

export function storeLanguage(code: string): void {
  try {
    localStorage.setItem(storageKey, code);
  } catch {
    // Not kept: the choice holds while the page is open.
  }
}

// The texts that come with the page itself, in the language it shows (`language`, once the
// module has handed its texts over) or would have started in: what a page whose module cannot
// load still shows in the reader's language.
export function textsWithPage(language: string | null): PageTexts {
  const byKey = Object.entries(withPage);
  const codes = Object.keys(withPage['web.cannotStart']);
  const code = language ?? startLanguage(codes, navigator.languages ?? []);
  const texts = Object.fromEntries(byKey.map(([key, byCode]) => [key, byCode[code] ?? byCode.en]));
  return new PageTexts({ language: code, texts, languages: [] });
}
