// Country names as people write them: the English short names of the Unicode CLDR
// (cldr-localenames-full), and the keys a search may narrow by: both ISO 3166 codes (alpha-3
// from cldr-core), CLDR's own variants ("Czech Republic", "Ivory Coast", "UK") and the common
// names of the table below.
import {fold} from './fold.mjs';

// Names people type that CLDR does not give. England, Scotland, Wales and Northern Ireland are
// not here: they are GeoNames' admin-1 regions of GB and narrow to their own part.
const kCommonNames = {
  CD: ['DR Congo', 'DRC', 'Democratic Republic of Congo'],
  CG: ['Republic of Congo', 'Congo Republic'],
  CN: ["People's Republic of China", 'PRC'],
  CZ: ['Czech'],
  GB: ['U.K.', 'Great Britain', 'Britain', 'United Kingdom of Great Britain and Northern Ireland'],
  IN: ['Bharat', 'Republic of India'],
  IR: ['Persia', 'Islamic Republic of Iran'],
  KP: ['DPRK', "Democratic People's Republic of Korea"],
  KR: ['Republic of Korea', 'ROK'],
  LA: ['Lao', "Lao People's Democratic Republic"],
  MK: ['Macedonia'],
  MM: ['Burma'],
  NL: ['Holland', 'The Netherlands'],
  RU: ['Russian Federation'],
  SY: ['Syrian Arab Republic'],
  TR: ['Turkey', 'Turkiye'],
  TW: ['Republic of China', 'ROC'],
  TZ: ['United Republic of Tanzania'],
  US: ['USA', 'U.S.', 'U.S.A.', 'United States of America', 'America'],
  VN: ['Viet Nam'],
};

// CLDR tells the two Congos apart by their capitals ("Congo - Kinshasa"); the names in use
// are these.
const kDisplayNames = {
  CD: 'Democratic Republic of the Congo',
  CG: 'Republic of the Congo',
};

// Search keys compare without full stops, so "U.S.A." and "USA" are one key.
export function countryKey(text) {
  return fold(text).replace(/\./g, '').replace(/\s+/g, ' ').trim();
}

// The shown name: CLDR's, with its short form where the name carries a qualifier ("Myanmar
// (Burma)", "Hong Kong SAR China"), "and" for "&", and the typewriter apostrophe.
function displayName(code, territories) {
  if (kDisplayNames[code]) return kDisplayNames[code];
  let name = territories[code];
  if (/[()]|SAR/.test(name) && territories[`${code}-alt-short`])
    name = territories[`${code}-alt-short`];
  return name.replace(/ & /g, ' and ').replace(/’/g, "'");
}

export function countryNames(require) {
  const territories = require('cldr-localenames-full/main/en/territories.json')
                          .main.en.localeDisplayNames.territories;
  const codes = require('cldr-core/supplemental/codeMappings.json').supplemental.codeMappings;
  const version = require('cldr-localenames-full/package.json').version;
  const byCode = new Map();
  for (const code of Object.keys(territories)) {
    if (!/^[A-Z]{2}$/.test(code)) continue;
    const name = displayName(code, territories);
    const texts = [code, codes[code]?._alpha3, name, territories[code],
                   ...Object.keys(territories)
                       .filter((key) => key.startsWith(`${code}-alt-`))
                       .map((key) => territories[key]),
                   ...(kCommonNames[code] ?? [])];
    const keys = [];
    for (const text of texts) {
      if (!text) continue;
      const key = countryKey(text);
      if (key && !keys.includes(key) && !key.includes(',')) keys.push(key);
    }
    byCode.set(code, {name, keys});
  }
  return {version, byCode};
}
