// The tz rule reader against hand-written zones whose changes are known: each case one way
// zic's compilation can go wrong. Run: node --test tools/atlas/tz_rules.test.mjs
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {readTzdataJson, readZi, zoneChanges} from './tz_rules.mjs';

const low = Date.UTC(1800, 0, 1) / 1000;
const high = Date.UTC(2052, 0, 1) / 1000;
const at = (iso) => Date.parse(`${iso}Z`) / 1000;

function changes(zi, zone = 'T/Z') {
  const data = readZi(zi);
  return zoneChanges(data.zones.get(zone), data.rules, low, high)
      .map(({at: when, offset, dst, abbr}) =>
        `${when === null ? '-' : new Date(when * 1000).toISOString().slice(0, 16)} ${offset / 60} ${dst ? 1 : 0} ${abbr}`);
}

const cases = [
  {
    name: 'wall, standard and UTC rule times, lastSun and Sun>=8',
    zi: 'R X 2000 ma - Mar Sun>=8 2 1 D\nR X 2000 ma - O lastSu 2s 0 S\n' +
        'R U 2000 ma - Ap 1 1u 1 D\nR U 2000 ma - S 1 1u 0 S\n' +
        'Z T/Z -5 X E%sT\nZ T/U 1 U C%sT',
    zone: 'T/Z',
    expect: ['- -300 0 EST', '2000-03-12T07:00 -240 1 EDT', '2000-10-29T07:00 -300 0 EST'],
    before: '2001-01-01T00:00',
  },
  {
    name: 'a rule time on UTC',
    zi: 'R U 2000 ma - Ap 1 1u 1 D\nR U 2000 ma - S 1 1u 0 S\nZ T/Z 1 U C%sT',
    expect: ['- 60 0 CST', '2000-04-01T01:00 120 1 CDT', '2000-09-01T01:00 60 0 CST'],
    before: '2001-01-01T00:00',
  },
  {
    name: 'a zone line that ends on UTC, one on standard time',
    zi: 'Z T/Z 1 - BST 1971 O 31 2u\n0 - GMT 1980 Ja 1 1s\n2 - EET',
    expect: ['- 60 0 BST', '1971-10-31T02:00 0 0 GMT', '1980-01-01T01:00 120 0 EET'],
  },
  {
    name: 'the rule in force when a line begins, set years before',
    zi: 'R W 1942 o - F 9 2 1 W\nR W 1945 o - S 30 2 0 S\n' +
        'Z T/Z -7 W M%sT 1944 Ja 1 0:1\n-7 - MST 1944 Ap 1 0:1\n-7 W M%sT 1944 O 1 0:1\n-7 - MST',
    expect: ['- -420 0 MST', '1942-02-09T09:00 -360 1 MWT', '1944-01-01T06:01 -420 0 MST',
             '1944-04-01T07:01 -360 1 MWT', '1944-10-01T06:01 -420 0 MST'],
  },
  {
    name: 'a rule change on a line\'s first instant keeps the offset (zic: Argentina 1999)',
    zi: 'R A 1999 o - O Su>=1 0 1 -\nR A 2000 o - Mar 3 0 0 -\n' +
        'Z T/Z -3 - %z 1999 O 3\n-4 A %z 2000 Mar 3\n-3 - %z',
    expect: ['- -180 0 -03', '1999-10-03T03:00 -180 1 -03', '2000-03-03T03:00 -180 0 -03'],
  },
  {
    name: 'numeric abbreviations with minutes and seconds, A/B formats',
    zi: 'Z T/Z 5:53:20 - %z 1900\n5:30 - %z 1950\n5:30 1 IST/IDT',
    expect: ['- 353.3333333333333 0 +055320', '1899-12-31T18:06 330 0 +0530',
             '1949-12-31T18:30 390 1 IDT'],
  },
];

for (const c of cases) {
  test(c.name, () => {
    let got = changes(c.zi, c.zone);
    if (c.before) got = got.filter((line) => line.split(' ')[0] < c.before);
    assert.deepEqual(got, c.expect);
  });
}

// The npm package's JSON: minutes west, a year alone as 31 December, ends without their clock
// or with a rule's day as the 1st; the fixes table restores them.
test('the JSON form with its lost ends restored', () => {
  const ms = (iso) => String(Date.parse(`${iso}Z`));
  const json = {
    version: 'test',
    rules: {Mex: [['1998', 'max', '-', 'Apr', 'Sun>=1', ['2', '0', '0', null], '60', 'D']]},
    zones: {
      'T/Z': [['424.33333', '-', 'LMT', ms('1922-12-31T00:00:00')],
              ['360', '-', 'CST', ms('1998-04-01T03:00:00')],
              ['420', '-', 'MST', ms('2000-10-29T02:00:00')],
              ['0', '-', 'GMT', ms('2001-12-31T00:00:00')],
              ['-60', '-', 'CET', null]],
      'T/L': 'T/Z',
    },
  };
  const fixes = new Map([['T/Z', new Map([['1998-04-01 03:00:00', '1998 Ap Su>=1 3'],
                                          ['2000-10-29 02:00:00', '2000 O 29 2u'],
                                          ['2001-12-31 00:00:00', '2001 D 31']])]]);
  const data = readTzdataJson(json, fixes);
  assert.equal(data.links.get('T/L'), 'T/Z');
  const got = zoneChanges(data.zones.get('T/Z'), data.rules, low, high)
                  .map(({at: when, offset, abbr}) => [when, offset, abbr]);
  assert.deepEqual(got, [
    [null, -25460, 'LMT'],
    [at('1922-01-01T07:04:20'), -21600, 'CST'],  // a year alone: its start, not 31 December
    [at('1998-04-05T09:00'), -25200, 'MST'],  // Apr Sun>=1, not 1 April
    [at('2000-10-29T02:00'), 0, 'GMT'],       // on UTC
    [at('2001-12-31T00:00'), 3600, 'CET'],    // a real 31 December
  ]);
});
