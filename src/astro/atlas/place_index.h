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
    // followed by ", State" and/or ", Country" (each may also be the start of a word of the
    // name; a country also by its ISO codes, old or common names: "Czech Republic", "USA").
    // A place matches when its name or one of its alternate names starts with the query's name
    // part, or has a word that does; accents, case and hyphens do not count. Ranked in classes:
    // a whole name equal to the name part (the place's own or an alternate one: "Madras" finds
    // Chennai), then a name that starts with it, then a word inside a name; within a class,
    // the places of `preferredCountry` (an ISO code; none when empty) first, sections of a city
    // (GeoNames' PPLX) after other places, then by population.
    std::vector<Place> Search(std::string_view query, std::size_t limit,
                              std::string_view preferredCountry = {}) const;

    // The best match for "Name[, State][, Country]", if any place matches.
    std::optional<Place> BestMatch(std::string_view text) const;

    std::optional<Place> FindByGeonamesId(int64_t geonamesId) const;

    // The places as a compact binary index made at build time (kalodaya_atlas_index), which
    // loads without reading, folding and indexing places.tsv again: its records, names, search
    // names and word starts as they lie in memory, after places.tsv's identity (its check line
    // and size, so that it is only ever used with the file it was made from) and before a
    // checksum of it all.
    std::string CompactIndex(std::string_view placesIdentity) const;
    // None when `index` is not the compact index of the places.tsv of that identity (another
    // file, another build's layout, damaged or cut short).
    static std::optional<PlaceIndex> FromCompactIndex(std::string index,
                                                      std::string_view placesIdentity,
                                                      std::string regionsText,
                                                      const ZoneHistory& zones);

  private:
    // Without padding, so that the compact index holds only the records' own bytes.
    struct Record {
        int64_t geonamesId = 0;
        uint32_t nameOffset = 0;  // in *placesText_
        uint32_t population = 0;
        int32_t latitudeMilli = 0;
        int32_t longitudeMilli = 0;
        int32_t admin1 = -1;  // none
        uint16_t nameLength = 0;
        uint16_t zone = 0;
        uint16_t country = 0;
        bool citySection = false;  // a district of a city (GeoNames' PPLX)
        uint8_t unused8 = 0;
        uint32_t unused32 = 0;
    };
    static_assert(sizeof(Record) == 40);
    struct Region {
        std::string_view code;  // "IN" for a country; an admin-1 region's number, "1", "2", ...
        std::string_view name;
        std::string folded;
        // A country's search keys: codes and names, folded, without full stops, each ended by
        // '\n' ("gb\ngbr\nunited kingdom\nuk\n...").
        std::string keys;
    };
    // How a place's best name meets the query's name part; lower is better.
    enum class Fit : uint8_t { kWhole, kStart, kWord };
    struct Candidate {
        uint32_t record;
        Fit fit;
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
    // Every position in keys_ that starts a name or a word of one, grouped by the two bytes it
    // starts with and ascending within a group; group g spans [wordGroup_[g], wordGroup_[g + 1]).
    // A search then reads only the words that start as its query does, not every byte of keys_.
    std::vector<uint32_t> wordStarts_;
    std::vector<uint32_t> wordGroup_;
    void IndexWordStarts();
    std::optional<AtlasError> ParseRegions(std::string regionsText);
};

}  // namespace kalodaya::atlas
