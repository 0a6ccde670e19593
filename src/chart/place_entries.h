#pragma once
// A birthplace put into the entries as the form holds them. The desktop form and the command
// line both fill the place, the coordinates and the zone from the atlas through here.
#include <optional>

#include "astro/atlas/atlas.h"
#include "astro/atlas/civil_time.h"
#include "astro/atlas/place.h"
#include "astro/atlas/place_at_birth.h"
#include "astro/local_birth.h"
#include "chart/atlas_place.h"
#include "chart/entries.h"

namespace kalodaya {

// Whether a place sets the zone.
enum class ZoneChoice {
    // The zone list entry whose offset the clocks kept at the birth moment, or the exact zone
    // when no entry has it; the daylight box cleared (the offset already holds any daylight).
    FromAtlas,
    // The zone entry, the exact zone and the daylight box stay as they are (picked by hand).
    Kept,
};

// The local date and clock time the entries hold; none when they hold no date that exists
// (the entry checks then say what is wrong with it).
std::optional<atlas::CivilTime> BirthClock(const Entries& entries);

// The place's texts and coordinates: city, state and country, the four coordinate boxes
// rounded to the nearest minute, and the hemispheres. The place record is cleared.
void EnterPlace(Entries& entries, const atlas::Place& place);

// The place at the birth moment: EnterPlace, the place record and, with ZoneChoice::FromAtlas,
// the zone. An exact zone stands at the list position after the last entry (kZoneCount), where
// the form shows it.
void EnterPlaceAtBirth(Entries& entries, const atlas::PlaceAtBirth& birth, ZoneChoice zone);

// Resolves an atlas place at the entries' birth moment and enters it. When the entries hold no
// date that exists, only EnterPlace is done and nothing is returned.
std::optional<atlas::PlaceAtBirth> EnterAtlasPlace(Entries& entries, const atlas::Atlas& atlas,
                                                   const atlas::Place& place, ZoneChoice zone);

// The chart's place record of `birth`.
AtlasPlace AtlasPlaceOf(const atlas::PlaceAtBirth& birth);

// An offset east of Greenwich as the exact zone the computation uses: to the nearest minute
// (half a minute away from zero), hours and minutes west.
ZoneOffset ExactZoneOf(int utcOffsetSeconds);

}  // namespace kalodaya
