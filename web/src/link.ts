// A link that holds a request's entries (?name=RAMA&date=1990-08-15&time=10:30:00&lat=28:39N
// &lon=77:13E&zone=34, also place=, place_id=, utc_offset=, dst=1, city=, state=, country=,
// ephemeris=, ayanamsa=, node=, sunrise=)
// as a request line's entries; none when it holds none. Values are passed on as written, for
// the core's reader to judge; only the numbers and the flag take the line's kinds.
import type { RequestEntries } from './form';

const textKeys = ['name', 'date', 'time', 'lat', 'lon', 'utc_offset', 'city', 'state', 'country',
  'place', 'ephemeris', 'ayanamsa', 'node', 'sunrise'] as const;

export function entriesFromLink(params: URLSearchParams): RequestEntries | null {
  const entries: Record<string, unknown> = {};
  for (const key of textKeys) {
    const value = params.get(key);
    if (value !== null) entries[key] = value;
  }
  for (const key of ['zone', 'place_id'] as const) {
    const value = params.get(key);
    if (value !== null) entries[key] = /^-?\d+$/.test(value) ? Number(value) : value;
  }
  const dst = params.get('dst');
  if (dst !== null) entries.dst = dst === '1' || dst === 'true';
  return Object.keys(entries).length > 0 ? (entries as RequestEntries) : null;
}
