#!/usr/bin/env python3
"""Writes the golden file's request lines: a fixed, varied set of `kalodaya-chart --batch`
requests (every zone with and without the daylight box, all latitudes and longitudes, dates
1901-2050, polar places, a day walked minute by minute across sign changes, and entries the
checks refuse). The same seed always gives the same lines."""
import json
import random
import sys

rng = random.Random(20261208)
lines = []


def request(name, y, mo, d, h, mi, s, lat, ns, lon, ew, zone, dst, place=("", "", "")):
    r = {"name": name, "date": f"{y:04d}-{mo:02d}-{d:02d}", "time": f"{h:02d}:{mi:02d}:{s:02d}",
         "lat": f"{lat[0]}:{lat[1]}{ns}", "lon": f"{lon[0]}:{lon[1]}{ew}", "zone": zone}
    if dst:
        r["dst"] = True
    if any(place):
        r["city"], r["state"], r["country"] = place
    return r


def days_in(y, mo):
    if mo == 2:
        return 29 if (y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)) else 28
    return 30 if mo in (4, 6, 9, 11) else 31


def random_request(lat_range=(0, 89), months=None):
    y = rng.randint(1901, 2050)
    mo = rng.choice(months) if months else rng.randint(1, 12)
    d = rng.randint(1, days_in(y, mo))
    return request(rng.choice(["RAMA", "SITA", "A", "JOHN SMITH", "X Y Z"]), y, mo, d,
                   rng.randint(0, 23), rng.randint(0, 59), rng.randint(0, 59),
                   (rng.randint(*lat_range), rng.randint(0, 59)), rng.choice("NS"),
                   (rng.randint(0, 179), rng.randint(0, 59)), rng.choice("EW"),
                   rng.randint(0, 70), rng.random() < 0.5)


# Every zone, with and without the daylight box, at random places and dates.
for zone in range(71):
    for dst in (False, True):
        for _ in range(20):
            r = random_request()
            r["zone"] = zone
            r.pop("dst", None)
            if dst:
                r["dst"] = True
            lines.append(r)

# Every whole latitude and longitude, both hemispheres.
for lat in range(90):
    for ns in "NS":
        r = random_request()
        r["lat"] = f"{lat}:{rng.randint(0, 59)}{ns}"
        lines.append(r)
for lon in range(180):
    for ew in "EW":
        r = random_request()
        r["lon"] = f"{lon}:{rng.randint(0, 59)}{ew}"
        lines.append(r)

# Near the poles around the solstices: polar days and nights and the days beside them.
for _ in range(800):
    lines.append(random_request(lat_range=(60, 89), months=[5, 6, 7, 11, 12, 1]))

# One place and day walked minute by minute: the ghati lagna crosses every sign boundary.
for minute in range(0, 24 * 60, 1):
    lines.append(request("RAMA", 1990, 8, 15, minute // 60, minute % 60, 0, (28, 39), "N",
                         (77, 13), "E", 34, False, ("New Delhi", "Delhi", "India")))

# Places with text, some of it not ASCII.
for place in [("São Paulo", "SP", "Brasil"), ("Zürich", "ZH", "Schweiz"), ("Chennai", "TN", "India"),
              ("Quote \" and \\ back", "", ""), ("", "", "日本")]:
    for _ in range(10):
        r = random_request()
        r["city"], r["state"], r["country"] = place
        lines.append(r)

# Entries the checks refuse, each kind a few times.
refused = [
    {"name": "", "date": "1990-08-15", "time": "10:30:00", "lat": "28:39N", "lon": "77:13E", "zone": 34},
    {"name": "RAMA", "date": "1990-02-30", "time": "10:30:00", "lat": "28:39N", "lon": "77:13E", "zone": 34},
    {"name": "RAMA", "date": "1990-08-15", "time": "10:30:00", "lon": "77:13E", "zone": 34},
    {"name": "RAMA", "date": "1990-08-15", "time": "10:30:00", "lat": "28:39N", "zone": 34},
    {"name": "RAMA", "date": "1990-08-15", "time": "10:30:00", "lat": "28:75N", "lon": "77:13E", "zone": 34},
    {"name": "RAMA", "date": "1990-08-15", "time": "10:30:00", "lat": "28:39N", "lon": "77:99E", "zone": 34},
    {"name": "RAMA", "date": "2050-12-31", "time": "23:59:59", "lat": "89:59S", "lon": "179:59W", "zone": 70},
    {"name": "RAMA", "date": "1901-01-01", "time": "00:00:00", "lat": "0:0N", "lon": "0:0E", "zone": 0},
]
lines.extend(refused)

# The rest: random requests over the whole range.
while len(lines) < 12000:
    lines.append(random_request())

# Places from the atlas, by name and by GeoNames id, and exact offsets in place of a zone: the
# zone the place's clocks kept at the birth moment (daylight, war time, offsets no list entry
# has), a zone or offset given beside the place, and the combinations that are refused. These
# lines come after all the others, so the charts of those stay where they are.
def moment(name, y, mo, d, h, mi, s=0, **keys):
    r = {"name": name, "date": f"{y:04d}-{mo:02d}-{d:02d}", "time": f"{h:02d}:{mi:02d}:{s:02d}"}
    r.update(keys)
    return r


places = ["Delhi", "Chennai, India", "Kathmandu", "London, England", "New York", "Sydney",
          "Reykjavik", "Tromsø", "Buenos Aires", "Tokyo", "Honolulu", "Paris, Texas", "Amsterdam",
          "Cape Town", "Anchorage", "Tarawa", "Apia", "Caracas"]
moments = [(1905, 3, 1, 6, 0), (1935, 7, 1, 12, 0), (1944, 6, 6, 6, 30), (1975, 1, 15, 6, 0),
           (1986, 10, 26, 1, 30), (1990, 8, 15, 10, 30), (2002, 3, 31, 2, 30), (2049, 12, 31, 23, 59)]
for i, place in enumerate(places):
    for j, (y, mo, d, h, mi) in enumerate(moments):
        lines.append(moment("RAMA", y, mo, d, h, mi, (i * 7 + j) % 60, place=place))
for geonames_id in [1273294, 1264527, 2643743, 2759794, 3133895, 5856195]:
    for (y, mo, d, h, mi) in moments[::2]:
        lines.append(moment("SITA", y, mo, d, h, mi, place_id=geonames_id))
# Given beside a place, the zone, the offset and the coordinates win over the atlas's.
lines += [
    moment("A", 1990, 7, 1, 12, 0, place="London, England", zone=29),
    moment("A", 1990, 7, 1, 12, 0, place="London, England", zone=29, dst=True),
    moment("A", 1990, 7, 1, 12, 0, place="London, England", utc_offset="+01:00"),
    moment("A", 1990, 7, 1, 12, 0, place="London, England", lat="10:00S", lon="20:30E",
           city="Elsewhere", state="", country=""),
    moment("A", 1990, 7, 1, 12, 0, place_id=2643743, zone=16),
    moment("A", 1990, 6, 21, 12, 0, place="Tromsø", country="Norge"),
]
# Exact offsets in place of a zone list entry, with and without the daylight box.
for k, offset in enumerate(["+05:45", "-03:30", "+05:21:10", "+00:00", "-12:00", "+14:00",
                            "-00:17:30", "+08:45", "+05:30:30", "-09:30"]):
    for dst in (False, True):
        r = moment("X Y Z", 1901 + 13 * k, 1 + k, 1 + 2 * k, (5 * k) % 24, (17 * k) % 60, 7,
                   lat=f"{(9 * k) % 90}:{(7 * k) % 60}{'NS'[k % 2]}",
                   lon=f"{(37 * k) % 180}:{(11 * k) % 60}{'EW'[k % 2]}", utc_offset=offset)
        if dst:
            r["dst"] = True
        lines.append(r)
# Refused: no such place, place and place_id, zone and utc_offset, dst beside a place's own
# zone, values of the wrong kind or form.
lines += [
    moment("A", 1990, 1, 1, 0, 0, place="Nowhere At All"),
    moment("A", 1990, 1, 1, 0, 0, place_id=1),
    moment("A", 1990, 1, 1, 0, 0, place_id=-5),
    moment("A", 1990, 1, 1, 0, 0, place_id="1273294"),
    moment("A", 1990, 1, 1, 0, 0, place=1273294),
    moment("A", 1990, 1, 1, 0, 0, place="Delhi", place_id=1273294),
    moment("A", 1990, 1, 1, 0, 0, place="Delhi", dst=True),
    moment("A", 1990, 1, 1, 0, 0, zone=34, utc_offset="+05:30"),
    moment("A", 1990, 1, 1, 0, 0, lat="1:1N", lon="1:1E", utc_offset="+5:45"),
    moment("A", 1990, 1, 1, 0, 0, lat="1:1N", lon="1:1E", utc_offset="+24:00"),
    moment("A", 1990, 1, 1, 0, 0, lat="1:1N", lon="1:1E", utc_offset=545),
    moment("", 1990, 1, 1, 0, 0, place="Delhi"),
    moment("A", 1990, 2, 30, 0, 0, place="Delhi"),
]

out = sys.stdout
for r in lines:
    out.write(json.dumps(r, ensure_ascii=False, separators=(",", ":")) + "\n")
