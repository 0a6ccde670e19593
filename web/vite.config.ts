// The page is built into build/web/ beside the WebAssembly module and the atlas, which
// scripts/web.sh gathers in build/web-public/ (Vite copies that folder as it is).
import { defineConfig, type Plugin } from 'vite';
import { fileURLToPath } from 'node:url';
import { languageCodes, textInEveryLanguage, textsDir } from './language_files.mjs';

const root = fileURLToPath(new URL('..', import.meta.url));

// The texts the page shows when its module cannot load, and so cannot hand it the language
// files (why, under the banner's tagline): taken from the same files when the page is built,
// as `virtual:start-texts`.
function startTexts(): Plugin {
  const id = 'virtual:start-texts';
  return {
    name: 'kalodaya-start-texts',
    resolveId: (source) => (source === id ? `\0${id}` : null),
    load(resolved) {
      if (resolved !== `\0${id}`) return null;
      for (const code of languageCodes()) this.addWatchFile(`${textsDir}/${code}.tsv`);
      const keys = ['web.cannotStart', 'web.tagline'];
      return `export default ${JSON.stringify(Object.fromEntries(keys.map((key) => [key, textInEveryLanguage(key)])))};`;
    },
  };
}

export default defineConfig({
  base: './',
  publicDir: process.env.KALODAYA_WEB_PUBLIC ?? `${root}build/web-public`,
  plugins: [startTexts()],
  build: {
    outDir: process.env.KALODAYA_WEB_OUT ?? `${root}build/web`,
    emptyOutDir: true,
    target: 'es2020',
    assetsInlineLimit: 0,
  },
});
