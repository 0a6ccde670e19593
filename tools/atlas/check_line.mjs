// The check line that starts every atlas file (the library's atlas_check.h): the count of
// records (lines neither empty nor comments) and FNV-1a over the 64-bit little-endian words
// of everything after that line, the last word padded with zero bytes.
const kOffset = 0xcbf29ce484222325n;
const kPrime = 0x100000001b3n;
const kMask = (1n << 64n) - 1n;

export function checksum(body) {
  const bytes = Buffer.from(body, 'utf8');
  const padded = Buffer.alloc(Math.ceil(bytes.length / 8) * 8);
  bytes.copy(padded);
  let hash = kOffset;
  for (let at = 0; at < padded.length; at += 8)
    hash = ((hash ^ padded.readBigUInt64LE(at)) * kPrime) & kMask;
  return hash;
}

export function withCheckLine(body) {
  const records = body.split('\n').filter((line) => line && !line.startsWith('#')).length;
  return `# check records=${records} fnv=${checksum(body).toString(16).padStart(16, '0')}\n` + body;
}
