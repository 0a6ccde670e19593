#pragma once
// What the City box's popup offers for a typed text: the atlas's matches, best first, then the
// user's own kept places. No Qt, so the keystroke path can be measured and tested alone.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "astro/atlas/atlas.h"
#include "astro/atlas/place.h"
#include "records/record.h"
#include "records/record_store.h"

namespace kalodaya::ui {

inline constexpr std::size_t kAtlasSuggestions = 10;
inline constexpr std::size_t kOwnSuggestions = 5;

// Where suggestions come from; either may be missing (still loading, or not to be had).
struct PlaceSources {
    std::shared_ptr<const atlas::Atlas> atlas;
    std::shared_ptr<const records::RecordStore> ownPlaces;
};

struct PlaceSuggestion {
    // An atlas place (its texts point into the atlas) or one of the user's own.
    std::variant<atlas::Place, records::Place> place;
    std::string text;  // the popup's line
    std::string name;  // what the City box holds once it is chosen

    bool Own() const { return std::holds_alternative<records::Place>(place); }
};

// The popup opens from two characters on (blanks do not count).
bool LongEnoughToSearch(std::string_view typed);

// Nothing for a text too short to search. `ownCountry` is the user's country code ("IN"),
// empty when unknown; a typed ", State" or ", Country" leaves the order to the atlas.
std::vector<PlaceSuggestion> SuggestPlaces(std::string_view typed, const PlaceSources& sources,
                                           std::string_view ownCountry = {});

// "Springfield, Illinois, United States — 39°48′ N 89°39′ W — America/Chicago — your own place";
// the zone part is the kept offset ("UTC+05:45") or left out when the place has neither.
std::string OwnPlaceText(const records::Place& place);

// An own place in the atlas's terms: its texts point into `place`, the coordinates are its
// degrees and minutes, the zone is its IANA zone (empty when it has none).
atlas::Place AsAtlasPlace(const records::Place& place);

}  // namespace kalodaya::ui
