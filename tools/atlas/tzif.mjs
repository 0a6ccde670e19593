// Reads the 64-bit part of a TZif file (RFC 8536) as zic writes it: the transition times and
// the local time types (UTC offset, daylight flag, abbreviation).
export function readTzif(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const magic = String.fromCharCode(...bytes.subarray(0, 4));
  if (magic !== 'TZif' || bytes[4] < 0x32) throw new Error('not a TZif file of version 2 or later');
  const counts = (at) => Array.from({length: 6}, (_, i) => view.getUint32(at + 20 + 4 * i));
  const [isut1, isstd1, leap1, time1, type1, char1] = counts(0);
  let at = 44 + time1 * 5 + type1 * 6 + char1 + leap1 * 8 + isstd1 + isut1;
  const [, , leapcnt, timecnt, typecnt, charcnt] = counts(at);
  if (leapcnt !== 0) throw new Error('leap seconds are not expected');
  at += 44;
  const times = [];
  for (let i = 0; i < timecnt; ++i) times.push(Number(view.getBigInt64(at + 8 * i)));
  at += 8 * timecnt;
  const typeOf = Array.from(bytes.subarray(at, at + timecnt));
  at += timecnt;
  const rawTypes = [];
  for (let i = 0; i < typecnt; ++i, at += 6)
    rawTypes.push({offset: view.getInt32(at), dst: bytes[at + 4], abbrIndex: bytes[at + 5]});
  const chars = bytes.subarray(at, at + charcnt);
  const types = rawTypes.map(({offset, dst, abbrIndex}) => {
    let end = abbrIndex;
    while (chars[end] !== 0) ++end;
    return {offset, dst: dst !== 0, abbr: String.fromCharCode(...chars.subarray(abbrIndex, end))};
  });
  return {times, typeOf, types};
}
