// Places whose GeoNames zone is not one of their country's zones (tzdata's zone1970.tab and
// zone.tab): each is corrected here or marked as right. The generator fails on any other, so a
// new GeoNames snapshot cannot bring in a wrong clock unseen.

// By GeoNames id: the zone the place keeps.
export const kZoneCorrections = new Map([
  [2123979, 'Asia/Sakhalin'],   // Kuril'sk (Iturup, Sakhalin Oblast), not Tokyo
  [1513331, 'Asia/Tashkent'],   // Quvasoy, Uzbekistan, not Bishkek
  [1216189, 'Asia/Tashkent'],   // Shohimardon, Uzbek exclave in Kyrgyzstan, keeps Tashkent time
  [166285, 'Asia/Damascus'],    // Kabbasin, Syria, not Istanbul
  [63400, 'Africa/Mogadishu'],  // Cabudwaaq, Somalia, not Addis Ababa
  [342803, 'Africa/Mogadishu'], // Balanbale, Somalia
  [6175609, 'America/Toronto'], // Walpole Island, Ontario, not Detroit
]);

// Country and zone pairs that are right although the tables do not list them.
export const kZonesAccepted = new Set([
  'XK Europe/Belgrade',    // Kosovo, which ISO 3166 and so the tables lack, keeps Belgrade time
  'CA America/Yellowknife', // now a name of America/Edmonton's clock
  'MN Asia/Choibalsan',    // now a name of Asia/Ulaanbaatar's clock
]);
