#pragma once
// An atlas place into a birth request: the place's texts, its coordinates to the minute and,
// when asked, the zone its clocks kept at the birth moment. The entry form's place lookup and
// the --place, --place-id, "place" and "place_id" readers all enter a place through here.
#include <optional>

#include "astro/atlas/atlas.h"
#include "astro/atlas/civil_time.h"
#include "astro/atlas/place.h"
#include "astro/atlas/place_at_birth.h"
#include "request/atlas_place.h"
#include "request/birth_request.h"

namespace kalodaya {

// Whether a place sets the zone.
enum class ZoneChoice {
    // The zone list entry whose offset the clocks kept at the birth moment, or the exact offset
    // when no entry has it; the daylight box cleared (the offset already holds any daylight).
    FromAtlas,
    // The zone and the daylight box stay as they are (picked by hand).
    Kept,
};

// The local date and clock time of the request; none when it is no date that exists (the
// entry checks then say what is wrong with it).
std::optional<atlas::CivilTime> BirthClock(const BirthRequest& request);

// The place's texts and coordinates: city, state and country, the coordinates rounded to the
// nearest minute, and the hemispheres. The place record is cleared.
void EnterPlace(BirthRequest& request, const atlas::Place& place);

// The place at the birth moment: EnterPlace, the place record and, with ZoneChoice::FromAtlas,
// the zone.
void EnterPlaceAtBirth(BirthRequest& request, const atlas::PlaceAtBirth& birth, ZoneChoice zone);

// Resolves an atlas place at the request's birth moment and enters it, with the city's own
// time in place of the database's offset when useCityTime and the place kept one. When the
// request holds no date that exists, only EnterPlace is done and nothing is returned.
std::optional<atlas::PlaceAtBirth> EnterAtlasPlace(BirthRequest& request,
                                                   const atlas::Atlas& atlas,
                                                   const atlas::Place& place, ZoneChoice zone,
                                                   bool useCityTime = false);

// The chart's place record of `birth`.
AtlasPlace AtlasPlaceOf(const atlas::PlaceAtBirth& birth);

}  // namespace kalodaya
