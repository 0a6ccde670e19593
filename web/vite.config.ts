// The page is built into build/web/ beside the WebAssembly module and the atlas, which
// scripts/web.sh gathers in build/web-public/ (Vite copies that folder as it is).
import { defineConfig } from 'vite';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('..', import.meta.url));

export default defineConfig({
  base: './',
  publicDir: process.env.KALODAYA_WEB_PUBLIC ?? `${root}build/web-public`,
  build: {
    outDir: process.env.KALODAYA_WEB_OUT ?? `${root}build/web`,
    emptyOutDir: true,
    target: 'es2020',
    assetsInlineLimit: 0,
  },
});
