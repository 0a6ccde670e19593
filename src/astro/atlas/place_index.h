#pragma once
// The places of the atlas (places.tsv with the region names of regions.tsv) and their search.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/atlas/atlas_result.h"
#include "astro/atlas/place.h"

namespace kalodaya::atlas {

class ZoneHistory;

class PlaceIndex {
  public:
    // Reads the texts of places.tsv and regions.tsv; zone numbers of places.tsv are positions
    // in `zones`.
    static Expected<PlaceIndex> Parse(std::string placesText, std::string regionsText,
                                      const ZoneHistory& zones);

    std::size_t size() const { return records_.size(); }

    // Places matching `query`, best first, at most `limit`. The query is a name, optionally
    // followed by ", State" and/or ", Country" (each may also be the start of the name, or a
    // country code). A place matches when its name or one of its alternate names starts with
    // the query's name part, or has a word that does; accents, case and hyphens do not count.
    // Places whose own name equals the name part come first, then those whose own name has a
    // match, then those found by an alternate name only; by population within each.
    std::vector<Place> Search(std::string_view query, std::size_t limit) const;

    // The best match for "Name[, State][, Country]", if any place matches.
    std::optional<Place> BestMatch(std::string_view text) const;

    std::optional<Place> FindByGeonamesId(int64_t geonamesId) const;

  private:
    struct Record {
        int64_t geonamesId = 0;
        uint32_t nameOffset = 0;  // in *placesText_
        uint16_t nameLength = 0;
        uint16_t zone = 0;
        int32_t latitudeMilli = 0;
        int32_t longitudeMilli = 0;
        uint32_t population = 0;
        uint16_t country = 0;
        int32_t admin1 = -1;  // none
    };
    struct Region {
        std::string_view code;  // "IN" for a country; an admin-1 region's number, "1", "2", ...
        std::string_view name;
        std::string folded;
    };
    struct Candidate {
        uint32_t record;
        bool exact;    // the place's own name equals the query's name part
        bool ownName;  // the match lies in the place's own name, not an alternate one
    };

    Place MakePlace(const Record& record) const;
    std::vector<Candidate> MatchName(std::string_view foldedName) const;
    bool MatchesQualifier(const Record& record, std::string_view foldedQualifier) const;

    std::unique_ptr<const std::string> placesText_;
    std::unique_ptr<const std::string> regionsText_;
    std::vector<std::string> zoneNames_;
    std::vector<Region> countries_;  // by code
    std::vector<Region> admin1_;     // by number, from 1
    std::vector<Record> records_;    // by GeoNames id
    // Every search name of every place, each ended by '\n'; the names of record i start at
    // keyStart_[i] and end where those of i + 1 start.
    std::string keys_;
    std::vector<uint32_t> keyStart_;
};

}  // namespace kalodaya::atlas
