// Writes what the npm package tzdata's JSON lacks, from a tzdata.zi of the tz source (Debian's
// tzdata, or one built by the tz distribution's make): run once for a new tzdata release and
// commit the two files it writes.
//   tz_backzone.zi        the zones of IANA's backzone file, which the JSON gives only as links
//                         to another zone, with the rules they use: their clocks before 1970
//                         were their own (Oslo, Amsterdam, Reykjavik, Kuala Lumpur, ...)
//   tz_until_clocks.json  the ends of zone lines that the JSON loses: on UTC (u) or standard
//                         time (s), on a rule's day (lastSu, Su>=1) or on 31 December
//   tz_country_zones.tsv  each country's zones, from zone1970.tab and zone.tab beside tzdata.zi
// Usage: node extract_tz_supplement.mjs /usr/share/zoneinfo/tzdata.zi
import {readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const json = createRequire(import.meta.url)('tzdata');
const text = readFileSync(process.argv[2], 'utf8');
const version = /^# version (\S+)/m.exec(text)?.[1];

// The zi text's zone blocks and rule lines, as they are written.
const blocks = new Map();
const ruleLines = new Map();
let current = null;
for (const line of text.split('\n')) {
  const fields = line.split(' ');
  if (fields[0] === 'Z') {
    current = [line];
    blocks.set(fields[1], current);
  } else if (fields[0] === 'R') {
    current = null;
    if (!ruleLines.has(fields[1])) ruleLines.set(fields[1], []);
    ruleLines.get(fields[1]).push(line);
  } else if (current && /^[-0-9]/.test(line)) {
    current.push(line);
  } else {
    current = null;
  }
}

const linkedInJson = [...blocks.keys()].filter((name) => typeof json.zones[name] === 'string').sort();
const usedRules = new Set();
for (const name of linkedInJson) {
  for (const [i, line] of blocks.get(name).entries()) {
    const rules = line.split(' ')[i === 0 ? 3 : 1];
    if (/^[A-Za-z]/.test(rules)) usedRules.add(rules);
  }
}
writeFileSync(join(here, 'tz_backzone.zi'),
              `# Zones that the npm package tzdata gives only as links: IANA tz ${version}, backzone\n` +
              '# (public domain), in the compact form of tzdata.zi; written by extract_tz_supplement.mjs.\n' +
              [...usedRules].sort().map((name) => ruleLines.get(name).join('\n')).join('\n') + '\n' +
              linkedInJson.map((name) => blocks.get(name).join('\n')).join('\n') + '\n');

const kMonth = {Ja: 1, F: 2, Mar: 3, Ap: 4, May: 5, Jun: 6, Jul: 7, Au: 8, S: 9, O: 10, N: 11, D: 12};
// Every zone line end that the JSON cannot give: on UTC or standard time, on a day named by a
// rule ("Ap Su>=1", written as the month's first day) or on 31 December (as which it writes a
// year alone), keyed by the local date and time the JSON writes.
const ends = {};
for (const [name, lines] of blocks) {
  if (typeof json.zones[name] !== 'object') continue;
  for (const [i, line] of lines.entries()) {
    const until = line.split(' ').slice(i === 0 ? 5 : 3);
    if (!until.length) continue;
    const time = until[3] ?? '0';
    const suffixed = /[usgz]$/.test(time);
    const ruleDay = until[2] !== undefined && !/^\d+$/.test(until[2]);
    const dec31 = until[1] === 'D' && until[2] === '31' && until.length === 3;
    if (!suffixed && !ruleDay && !dec31) continue;
    const [h, m = 0, s = 0] = time.replace(/[a-z]$/, '').split(':').map(Number);
    const day = ruleDay ? 1 : Number(until[2] ?? 1);
    const date = new Date(Date.UTC(Number(until[0]), (kMonth[until[1]] ?? 1) - 1, day) +
                          ((h * 60 + m) * 60 + s) * 1000);
    (ends[name] ??= {})[date.toISOString().slice(0, 19).replace('T', ' ')] = until.join(' ');
  }
}
writeFileSync(join(here, 'tz_until_clocks.json'),
              JSON.stringify({version, zones: ends}, null, 1) + '\n');
const pairs = new Set();
for (const table of ['zone1970.tab', 'zone.tab']) {
  for (const line of readFileSync(join(dirname(process.argv[2]), table), 'utf8').split('\n')) {
    if (!line || line.startsWith('#')) continue;
    const [codes, , zone] = line.split('\t');
    for (const code of codes.split(',')) pairs.add(`${code}\t${zone}`);
  }
}
writeFileSync(join(here, 'tz_country_zones.tsv'),
              `# Country and zone pairs of IANA tz ${version}'s zone1970.tab and zone.tab (public domain)\n` +
              [...pairs].sort().join('\n') + '\n');

console.log(`${linkedInJson.length} backzone zones, ${usedRules.size} rule sets, tz ${version}`);
