// The texts the page shows before (or without) its module, by language code: built from the
// language files (see vite.config.ts), English for a language without its own.
declare module 'virtual:start-texts' {
  const texts: { 'web.cannotStart': Record<string, string>; 'web.tagline': Record<string, string> };
  export default texts;
}
