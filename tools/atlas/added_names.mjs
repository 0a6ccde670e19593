// Names people use that GeoNames' snapshot may lack, by GeoNames id: the official names of
// renamed Indian cities and their older English forms, and well-known former names elsewhere.
// An entry whose name the snapshot already has adds nothing; all are listed so that the table
// says what was checked (today only Gurugram is missing). The generator fails on an id that is
// not an atlas place.
const kAddedNames = [
  [1270642, ['Gurugram']],                       // Gurgaon, renamed 2016
  [1278994, ['Prayagraj', 'Allahabad']],         // Allahābād, renamed 2018
  [1277333, ['Bengaluru', 'Bangalore']],
  [1262321, ['Mysuru', 'Mysore']],
  [1270752, ['Kalaburagi', 'Gulbarga']],
  [1276533, ['Belagavi', 'Belgaum']],
  [1275701, ['Vijayapura', 'Bijapur']],
  [1259425, ['Puducherry', 'Pondicherry']],
  [1273874, ['Kochi', 'Cochin']],
  [1254163, ['Thiruvananthapuram', 'Trivandrum']],
  [1253573, ['Vadodara', 'Baroda']],
  [1253405, ['Varanasi', 'Benares', 'Banaras']],
  [1267995, ['Kanpur', 'Cawnpore']],
  [1256237, ['Shimla', 'Simla']],
  [1275339, ['Mumbai', 'Bombay']],
  [1264527, ['Chennai', 'Madras']],
  [1275004, ['Kolkata', 'Calcutta']],
  [1259229, ['Pune', 'Poona']],
  [1566083, ['Ho Chi Minh City', 'Saigon']],
  [1298824, ['Yangon', 'Rangoon']],
  [1816670, ['Beijing', 'Peking']],
  [1809858, ['Guangzhou', 'Canton']],
  [745044, ['Istanbul', 'Constantinople']],
  [472757, ['Volgograd', 'Stalingrad']],
  [498817, ['Saint Petersburg', 'Leningrad']],
  [1642911, ['Jakarta', 'Batavia']],
  [1526384, ['Almaty', 'Alma Ata']],
  [1528675, ['Bishkek', 'Frunze']],
];

export const addedNames = new Map(kAddedNames);
