#include "ui/place_suggestions.h"

#include "astro/atlas/place_texts.h"
#include "astro/atlas/zone_entry_match.h"

namespace kalodaya::ui {
namespace {

// Characters of UTF-8 text that are not blanks, counted up to `enough`.
std::size_t CountCharacters(std::string_view text, std::size_t enough) {
    std::size_t count = 0;
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b & 0xC0) == 0x80 || b == ' ' || b == '\t') continue;  // continuation bytes, blanks
        if (++count >= enough) break;
    }
    return count;
}

double Decimal(int degrees, int minutes, bool negative) {
    const double value = degrees + minutes / 60.0;
    return negative ? -value : value;
}

}  // namespace

bool LongEnoughToSearch(std::string_view typed) {
    return CountCharacters(typed, 2) >= 2;
}

atlas::Place AsAtlasPlace(const records::Place& own) {
    atlas::Place place;
    place.name = own.name;
    place.state = own.state;
    place.country = own.country;
    place.latitude = Decimal(own.latitude.degrees.value_or(0), own.latitude.minutes.value_or(0),
                             !own.latitude.north);
    place.longitude = Decimal(own.longitude.degrees.value_or(0),
                              own.longitude.minutes.value_or(0), !own.longitude.east);
    place.timeZone = own.ianaZone;
    return place;
}

std::string OwnPlaceText(const records::Place& own) {
    // The atlas's line for the same texts and coordinates, with the zone part replaced.
    atlas::Place place = AsAtlasPlace(own);
    place.timeZone = {};
    std::string text = atlas::PlaceListText(place);
    text.resize(text.size() - std::string_view(" — ").size());
    if (!own.ianaZone.empty()) {
        text += " — " + own.ianaZone;
    } else if (own.utcOffsetSeconds) {
        text += " — UTC" + UtcOffsetText(*own.utcOffsetSeconds);
    }
    return text + " — your own place";
}

std::vector<PlaceSuggestion> SuggestPlaces(std::string_view typed, const PlaceSources& sources,
                                           std::string_view ownCountry) {
    std::vector<PlaceSuggestion> suggestions;
    if (!LongEnoughToSearch(typed)) return suggestions;
    if (sources.atlas) {
        // The user's country leads within each class of match: "chen" in India gives Chennai
        // before Chengdu, but "Leningrad" in Russia still Saint Petersburg (a whole name) before
        // Leningradskaya (a name that only starts so).
        const bool preferCountry = typed.find(',') == std::string_view::npos;
        const std::vector<atlas::Place> matches = sources.atlas->places().Search(
            typed, kAtlasSuggestions, preferCountry ? ownCountry : std::string_view{});
        for (const atlas::Place& place : matches)
            suggestions.push_back({place, atlas::PlaceListText(place), std::string(place.name)});
    }
    if (sources.ownPlaces) {
        // A store that cannot be read offers nothing; the atlas's matches still show.
        auto own = sources.ownPlaces->SearchPlaces(typed, kOwnSuggestions);
        if (own) {
            for (records::StoredPlace& stored : *own) {
                std::string text = OwnPlaceText(stored.place);
                std::string name = stored.place.name;
                suggestions.push_back({std::move(stored.place), std::move(text), std::move(name)});
            }
        }
    }
    return suggestions;
}

}  // namespace kalodaya::ui
