// Turns the IANA time zone database's zone and rule lines into the changes of each zone's local
// time, as zic would compile them: every change of UTC offset, daylight flag or abbreviation
// between two instants. Two readers feed it: the JSON of the npm package tzdata and the compact
// text form of the tz source (tzdata.zi), whose lines are the same.
//
// A zone is a list of lines {stdoff, rules, format, until}:
//   stdoff  standard offset, seconds east of Greenwich
//   rules   null (standard time), {save} (a fixed amount of daylight time) or a rule name
//   format  abbreviation format (%s, %z, A/B)
//   until   null for the last line, else {year, month (0-11), day (a day field), time (seconds),
//           suffix 'w' (wall clock), 's' (standard time) or 'u' (UTC)}
// A rule is {from, to, month, day, time, suffix, save, letter}.

const kMonths = ['jan', 'feb', 'mar', 'apr', 'may', 'jun', 'jul', 'aug', 'sep', 'oct', 'nov', 'dec'];
const kWeekdays = ['sun', 'mon', 'tue', 'wed', 'thu', 'fri', 'sat'];

// A month or weekday by a prefix of its English name, as zic takes them ("Ja", "Mar", "lastSu").
function byPrefix(names, text) {
  const lower = text.toLowerCase();
  const index = names.findIndex((name) => name.startsWith(lower.slice(0, Math.min(lower.length, 3))) &&
                                          lower.startsWith(name.slice(0, Math.min(lower.length, 3))));
  if (index < 0) throw new Error(`not a month or weekday: ${text}`);
  return index;
}

export function monthOf(text) {
  return byPrefix(kMonths, text);
}

const kDay = 86400;

function daysFromCivil(year, month, day) {
  return Date.UTC(year, month, day) / 1000 / kDay;
}

// The day of the month a day field names in a given month: "15", "lastSun", "Sun>=8", "Sun<=25".
export function dayOfMonth(field, year, month) {
  if (/^\d+$/.test(field)) return Number(field);
  const last = /^last(\w+)$/i.exec(field);
  if (last) {
    const weekday = byPrefix(kWeekdays, last[1]);
    const end = new Date(Date.UTC(year, month + 1, 0));
    return end.getUTCDate() - ((end.getUTCDay() - weekday + 7) % 7);
  }
  const on = /^(\w+)([<>]=)(\d+)$/.exec(field);
  if (!on) throw new Error(`not a day field: ${field}`);
  const weekday = byPrefix(kWeekdays, on[1]);
  const pivot = Number(on[3]);
  const pivotWeekday = new Date(Date.UTC(year, month, pivot)).getUTCDay();
  // May leave the month (zic allows "Sun>=31"); the caller's date arithmetic carries it over.
  return on[2] === '>=' ? pivot + ((weekday - pivotWeekday + 7) % 7)
                        : pivot - ((pivotWeekday - weekday + 7) % 7);
}

// Seconds since 1970 of a local date and time read as if it were UTC.
function localSeconds(year, month, dayField, time) {
  return daysFromCivil(year, month, dayOfMonth(dayField, year, month)) * kDay + time;
}

// The UTC instant of a time given in one of the three clocks.
function toUtc(local, suffix, stdoff, save) {
  if (suffix === 'u') return local;
  if (suffix === 's') return local - stdoff;
  return local - stdoff - save;
}

function twoDigits(value) {
  return String(value).padStart(2, '0');
}

// zic's %z: the sign and hours, then minutes and seconds only where not zero.
function numericAbbreviation(offset) {
  const sign = offset < 0 ? '-' : '+';
  const abs = Math.abs(offset);
  const hours = Math.floor(abs / 3600);
  const minutes = Math.floor((abs % 3600) / 60);
  const seconds = abs % 60;
  let text = `${sign}${twoDigits(hours)}`;
  if (minutes || seconds) text += twoDigits(minutes);
  if (seconds) text += twoDigits(seconds);
  return text;
}

function abbreviation(format, offset, save, letter) {
  const slash = format.indexOf('/');
  if (slash >= 0) return save ? format.slice(slash + 1) : format.slice(0, slash);
  if (format.includes('%z')) return format.replace('%z', numericAbbreviation(offset));
  return format.replace('%s', letter === '-' ? '' : letter);
}

// The rule changes of the years around one zone line, in time order, each with its instant
// in UTC once the zone line's standard offset and the daylight time before it are known.
function ruleChanges(rules, firstYear, lastYear, stdoff) {
  const changes = [];
  for (const rule of rules) {
    const from = Math.max(rule.from, firstYear);
    const to = Math.min(rule.to, lastYear);
    for (let year = from; year <= to; ++year)
      changes.push({local: localSeconds(year, rule.month, rule.day, rule.time), rule});
  }
  // Sorted by standard time: two changes of one rule set are never within hours of each other.
  const standard = (change) => change.rule.suffix === 'u' ? change.local + stdoff : change.local;
  changes.sort((a, b) => standard(a) - standard(b));
  let save = 0;
  for (const change of changes) {
    change.utc = toUtc(change.local, change.rule.suffix, stdoff, save);
    save = change.rule.save;
  }
  return changes;
}

const kYearSeconds = 366 * kDay;

// The local time changes of one zone from the instant low up to the instant high: [{at, offset,
// dst, abbr}], the first with at = null for the time before the first change. Consecutive
// periods of the same offset, flag and abbreviation are one.
export function zoneChanges(lines, ruleSets, low, high) {
  const raw = [];
  const push = (at, offset, save, abbr) => raw.push({at, offset, dst: save !== 0, abbr});
  let start = null;  // UTC instant the line begins; null for the first
  for (const line of lines) {
    const {stdoff, format, until} = line;
    const untilLocal = until ? localSeconds(until.year, until.month, until.day, until.time) : null;
    if (start !== null && start >= high) break;
    let saveAtEnd = 0;
    if (typeof line.rules !== 'string') {
      const save = line.rules ? line.rules.save : 0;
      push(start, stdoff + save, save, abbreviation(format, stdoff + save, save, ''));
      saveAtEnd = save;
    } else {
      const rules = ruleSets.get(line.rules);
      if (!rules) throw new Error(`no rules named ${line.rules}`);
      const startYear = start === null ? 1700 : new Date(start * 1000).getUTCFullYear();
      const endYear = until ? until.year : new Date(high * 1000).getUTCFullYear();
      // From the rules' first year: the change in force when the line begins may be years old.
      const firstYear = Math.min(startYear - 1, ...rules.map((rule) => rule.from));
      const changes = ruleChanges(rules, firstYear, endYear + 1, stdoff);
      const untilUtc = (save) => until ? toUtc(untilLocal, until.suffix, stdoff, save) : Infinity;
      // The daylight time in force when the line begins: that of the last change at or before
      // it; with none, standard time named by the letter of the first change to standard time.
      let save = 0;
      let letter = null;
      let next = 0;
      while (next < changes.length && start !== null && changes[next].utc <= start) {
        save = changes[next].rule.save;
        letter = changes[next].rule.letter;
        ++next;
      }
      if (start === null) {
        // A first line with rules: standard time until the first change.
        next = 0;
        save = 0;
        letter = null;
      }
      if (letter === null) {
        save = 0;
        const firstStandard = changes.slice(next).find((change) => change.rule.save === 0);
        letter = firstStandard ? firstStandard.rule.letter : '';
      }
      push(start, stdoff + save, save, abbreviation(format, stdoff + save, save, letter));
      for (; next < changes.length; ++next) {
        const change = changes[next];
        if (change.utc >= untilUtc(save)) break;
        if (change.utc >= high) break;
        save = change.rule.save;
        push(change.utc, stdoff + save, save,
             abbreviation(format, stdoff + save, save, change.rule.letter));
      }
      saveAtEnd = save;
    }
    if (!until) break;
    start = toUtc(untilLocal, until.suffix, stdoff, saveAtEnd);
  }
  return compacted(raw, low);
}

function sameType(a, b) {
  return a.offset === b.offset && a.dst === b.dst && a.abbr === b.abbr;
}

// The changes as zic writes them: a change whose local time (on the clock before it) is not
// after the local time of the change before it replaces that one's type, as at a zone line
// that begins with a rule change (Argentina's 1999-10-03 keeps UTC-03:00 throughout); then
// changes to the type already in force go, and the type in force at low is the first.
function compacted(raw, low) {
  const initial = raw[0];
  const kept = [];
  for (const change of raw.slice(1)) {
    if (change.at === null) continue;
    const last = kept[kept.length - 1];
    if (last) {
      const before = kept.length === 1 ? initial : kept[kept.length - 2];
      if (change.at + last.offset <= last.at + before.offset) {
        Object.assign(last, {offset: change.offset, dst: change.dst, abbr: change.abbr});
        continue;
      }
    }
    kept.push({...change});
  }
  const periods = [{...initial, at: null}];
  for (const change of kept) {
    if (sameType(change, periods[periods.length - 1])) continue;
    if (change.at <= low) {
      periods[0] = {...change, at: null};
      periods.length = 1;
      continue;
    }
    periods.push(change);
  }
  return periods;
}

// ---- the compact text form of the tz source (tzdata.zi) ----------------------------------

function seconds(text) {
  if (text === '-' || text === '') return 0;
  const negative = text.startsWith('-');
  const parts = text.replace(/^-/, '').split(':').map(Number);
  const value = (parts[0] ?? 0) * 3600 + (parts[1] ?? 0) * 60 + (parts[2] ?? 0);
  return negative ? -value : value;
}

function timeWithSuffix(text) {
  const match = /^(-?[0-9:]*)([wsugz]?)$/.exec(text ?? '0');
  if (!match) throw new Error(`not a time: ${text}`);
  const suffix = {g: 'u', z: 'u', '': 'w'}[match[2]] ?? match[2];
  return {time: seconds(match[1] || '0'), suffix};
}

function untilOf(fields) {
  if (!fields.length) return null;
  const {time, suffix} = timeWithSuffix(fields[3]);
  return {year: Number(fields[0]), month: fields[1] ? monthOf(fields[1]) : 0, day: fields[2] ?? '1',
          time, suffix};
}

function ruleYear(text, from) {
  if (/^o/i.test(text)) return from;
  if (/^ma/i.test(text)) return 9999;
  return Number(text);
}

// Zones and rule sets of a tzdata.zi text: {zones: Map name -> lines, links: Map name -> target,
// rules: Map name -> rules}.
export function readZi(text) {
  const zones = new Map();
  const links = new Map();
  const rules = new Map();
  let current = null;
  const zoneLine = (fields) => ({
    stdoff: seconds(fields[0]),
    rules: fields[1] === '-' ? null : /^-?[0-9]/.test(fields[1]) ? {save: seconds(fields[1])} : fields[1],
    format: fields[2],
    until: untilOf(fields.slice(3)),
  });
  for (const raw of text.split('\n')) {
    const line = raw.replace(/#.*/, '').trim();
    if (!line) continue;
    const fields = line.split(/\s+/);
    if (/^Z/.test(fields[0]) && fields[0].length <= 4) {
      current = [];
      zones.set(fields[1], current);
      current.push(zoneLine(fields.slice(2)));
    } else if (/^R/.test(fields[0]) && fields[0].length <= 4) {
      current = null;
      const from = Number(fields[2]);
      const {time, suffix} = timeWithSuffix(fields[7]);
      if (!rules.has(fields[1])) rules.set(fields[1], []);
      rules.get(fields[1]).push({from, to: ruleYear(fields[3], from), month: monthOf(fields[5]),
                                 day: fields[6], time, suffix, save: seconds(fields[8]),
                                 letter: fields[9]});
    } else if (/^L/.test(fields[0]) && fields[0].length <= 4) {
      current = null;
      links.set(fields[2], fields[1]);
    } else if (current) {
      current.push(zoneLine(fields));
    }
  }
  return {zones, links, rules};
}

// ---- the JSON of the npm package tzdata --------------------------------------------------
//
// That JSON writes offsets and amounts of daylight time in minutes (offsets west of Greenwich
// positive) and the end of a zone line as the milliseconds of its local date and time read as
// UTC, without the clock the time is on and with a rule's day ("Apr Sun>=1") as the month's
// first; a line that ends with a year alone it gives as 31 December of that year. untilFixes
// supplies what the JSON loses: every end that is not on the wall clock, on a rule's day, or
// really on 31 December, in the tz source's own words.

function minutesToSeconds(text) {
  return Math.round(Number(text) * 60);
}

// untilFixes: Map zone name -> Map 'YYYY-MM-DD hh:mm:ss' (the JSON's local end) -> the end as
// the tz source writes it ("1998 Ap Su>=1 3", "1991 Mar 31 2s").
export function readTzdataJson(json, untilFixes) {
  const zones = new Map();
  const links = new Map();
  const rules = new Map();
  for (const [name, value] of Object.entries(json.rules)) {
    rules.set(name, value.map((rule) => {
      const from = Number(rule[0]);
      const [hours, minutes, secs, suffix] = rule[5];
      return {from, to: ruleYear(rule[1], from), month: monthOf(rule[3]), day: rule[4],
              time: Number(hours) * 3600 + Number(minutes) * 60 + Number(secs),
              suffix: suffix ?? 'w', save: minutesToSeconds(rule[6]), letter: rule[7]};
    }));
  }
  for (const [name, value] of Object.entries(json.zones)) {
    if (typeof value === 'string') {
      links.set(name, value);
      continue;
    }
    const fixes = untilFixes.get(name) ?? new Map();
    zones.set(name, value.map(([offset, ruleField, format, untilMs]) => {
      let until = null;
      if (untilMs !== null) {
        const date = new Date(Number(untilMs));
        const fix = fixes.get(date.toISOString().slice(0, 19).replace('T', ' '));
        if (fix) {
          until = untilOf(fix.split(' '));
        } else {
          let [year, month, day] = [date.getUTCFullYear(), date.getUTCMonth(), date.getUTCDate()];
          const time = date.getUTCHours() * 3600 + date.getUTCMinutes() * 60 + date.getUTCSeconds();
          if (month === 11 && day === 31 && time === 0) [month, day] = [0, 1];
          until = {year, month, day: String(day), time, suffix: 'w'};
        }
      }
      let rules = null;
      if (ruleField !== '-')
        rules = /^-?[0-9]/.test(ruleField) ? {save: seconds(ruleField)} : ruleField;
      return {stdoff: -minutesToSeconds(offset), rules, format, until};
    }));
  }
  return {zones, links, rules};
}

// The lines of a zone by its name, following links.
export function resolveZone(data, name) {
  let target = name;
  for (let hops = 0; hops < 4 && !data.zones.has(target); ++hops) target = data.links.get(target);
  return data.zones.get(target);
}
