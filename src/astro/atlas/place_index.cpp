#include "astro/atlas/place_index.h"

#include <algorithm>
#include <cstring>

#include "astro/atlas/text_fold.h"
#include "astro/atlas/tsv_fields.h"
#include "astro/atlas/zone_history.h"
#include "base/platform/bytes.h"

namespace kalodaya::atlas {
namespace {

AtlasError BadLine(const char* file, std::size_t lineNumber, std::string_view what) {
    return {std::string(file) + " line " + std::to_string(lineNumber) + ": " + std::string(what) +
            "."};
}

bool IsWordSeparator(char ch) {
    return ch == ' ' || ch == '\'' || ch == '(' || ch == '.' || ch == '/' || ch == ',';
}

// True when `text` starts with `prefix`, or one of its words does.
bool WordStartsWith(std::string_view text, std::string_view prefix) {
    for (std::size_t at = text.find(prefix); at != std::string_view::npos;
         at = text.find(prefix, at + 1)) {
        if (at == 0 || IsWordSeparator(text[at - 1])) return true;
    }
    return false;
}

// A country qualifier as its keys are written: folded, without full stops ("U.S.A." is "usa").
std::string CountryKey(std::string_view folded) {
    std::string key(folded);
    std::erase(key, '.');
    return key;
}

// True when one of the '\n'-ended `keys` equals `key` or, for keys of three letters or more,
// has a word starting with it.
bool MatchesCountryKey(std::string_view keys, std::string_view key) {
    while (!keys.empty()) {
        const std::string_view one = NextField(keys, '\n');
        if (one == key) return true;
        if (key.size() >= 3 && WordStartsWith(one, key)) return true;
    }
    return false;
}

template <class Region>
const Region* FindRegion(const std::vector<Region>& regions, std::string_view code) {
    const auto it =
        std::lower_bound(regions.begin(), regions.end(), code,
                         [](const Region& r, std::string_view c) { return r.code < c; });
    return it != regions.end() && it->code == code ? &*it : nullptr;
}

}  // namespace

std::optional<AtlasError> PlaceIndex::ParseRegions(std::string regionsText) {
    regionsText_ = std::make_unique<const std::string>(std::move(regionsText));
    std::string_view regions = *regionsText_;
    std::size_t lineNumber = 0;
    while (!regions.empty()) {
        std::string_view line = NextField(regions, '\n');
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const std::string_view kind = NextField(line, '\t');
        const std::string_view code = NextField(line, '\t');
        if ((kind != "C" && kind != "A") || code.empty() || line.empty())
            return BadLine("regions.tsv", lineNumber, "not C or A, code, name");
        if (kind == "C") {
            const std::string_view name = NextField(line, '\t');
            if (name.empty() || line.empty())
                return BadLine("regions.tsv", lineNumber, "a country without name or keys");
            if (!countries_.empty() && countries_.back().code >= code)
                return BadLine("regions.tsv", lineNumber, "codes are not in order");
            std::string keys(line);
            std::replace(keys.begin(), keys.end(), ',', '\n');
            keys += '\n';
            countries_.push_back({code, name, FoldForSearch(name), std::move(keys)});
        } else {
            // Admin-1 regions are numbered from 1 in file order; the places name them so.
            if (ParseInt<int32_t>(code) != static_cast<int32_t>(admin1_.size()) + 1)
                return BadLine("regions.tsv", lineNumber, "region numbers are not 1, 2, 3, ...");
            admin1_.push_back({code, line, FoldForSearch(line), {}});
        }
    }

    return std::nullopt;
}

Expected<PlaceIndex> PlaceIndex::Parse(std::string placesText, std::string regionsText,
                                       const ZoneHistory& zones) {
    PlaceIndex index;
    index.placesText_ = std::make_unique<const std::string>(std::move(placesText));
    for (std::size_t z = 0; z < zones.zoneCount(); ++z)
        index.zoneNames_.emplace_back(zones.zoneName(z));
    if (auto error = index.ParseRegions(std::move(regionsText))) return *error;

    const std::string& text = *index.placesText_;
    std::string_view rest = text;
    index.keys_.reserve(text.size() / 2);
    int64_t geonamesId = 0;
    std::size_t lineNumber = 0;
    while (!rest.empty()) {
        std::string_view line = NextField(rest, '\n');
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const auto step = ParseInt<int64_t>(NextField(line, '\t'));
        const std::string_view name = NextField(line, '\t');
        const auto latitude = ParseInt<int32_t>(NextField(line, '\t'));
        const auto longitude = ParseInt<int32_t>(NextField(line, '\t'));
        const std::string_view country = NextField(line, '\t');
        const std::string_view admin1 = NextField(line, '\t');
        const auto population = ParseInt<uint32_t>(NextField(line, '\t'));
        const auto zone = ParseInt<uint16_t>(NextField(line, '\t'));
        const std::string_view kind = NextField(line, '\t');
        const std::string_view alternates = line;
        if (!step || *step <= 0 || name.empty() || name.size() > 0xFFFF || !latitude ||
            !longitude || !population || !zone || *zone >= index.zoneNames_.size() ||
            (!kind.empty() && kind != "d"))
            return BadLine("places.tsv", lineNumber, "a field is missing or out of range");
        const Region* countryRegion = FindRegion(index.countries_, country);
        if (!countryRegion) return BadLine("places.tsv", lineNumber, "unknown country");

        geonamesId += *step;
        Record record;
        record.geonamesId = geonamesId;
        record.nameOffset = static_cast<uint32_t>(name.data() - text.data());
        record.nameLength = static_cast<uint16_t>(name.size());
        record.zone = *zone;
        record.latitudeMilli = *latitude;
        record.longitudeMilli = *longitude;
        record.population = *population;
        record.country = static_cast<uint16_t>(countryRegion - index.countries_.data());
        record.citySection = kind == "d";
        if (!admin1.empty()) {
            const auto region = ParseInt<int32_t>(admin1);
            if (!region || *region < 1 || *region > static_cast<int32_t>(index.admin1_.size()))
                return BadLine("places.tsv", lineNumber, "no such admin-1 region number");
            record.admin1 = *region - 1;
        }
        index.records_.push_back(record);

        index.keyStart_.push_back(static_cast<uint32_t>(index.keys_.size()));
        const std::size_t folded = index.keys_.size();
        AppendFolded(index.keys_, name);
        if (index.keys_.size() > folded && index.keys_.back() == ' ') index.keys_.pop_back();
        index.keys_ += '\n';
        if (!alternates.empty()) {
            const std::size_t from = index.keys_.size();
            index.keys_.append(alternates);
            std::replace(index.keys_.begin() + static_cast<std::ptrdiff_t>(from), index.keys_.end(),
                         ',', '\n');
            index.keys_ += '\n';
        }
    }
    index.keyStart_.push_back(static_cast<uint32_t>(index.keys_.size()));
    index.IndexWordStarts();
    return index;
}

namespace {

constexpr std::size_t kWordGroups = 1 << 16;

std::size_t WordGroup(unsigned char first, unsigned char second) {
    return (std::size_t{first} << 8) | second;
}

}  // namespace

// A counting sort of the word starts by their first two bytes: one pass counts, one places.
void PlaceIndex::IndexWordStarts() {
    const char* const begin = keys_.data();
    const std::size_t size = keys_.size();
    const auto forEachStart = [&](auto&& visit) {
        for (std::size_t pos = 0; pos < size; ++pos) {
            if (begin[pos] == '\n') continue;
            if (pos > 0 && begin[pos - 1] != '\n' && !IsWordSeparator(begin[pos - 1])) continue;
            const unsigned char second = pos + 1 < size ? static_cast<unsigned char>(begin[pos + 1]) : 0;
            visit(pos, WordGroup(static_cast<unsigned char>(begin[pos]), second));
        }
    };
    wordGroup_.assign(kWordGroups + 1, 0);
    forEachStart([&](std::size_t, std::size_t group) { ++wordGroup_[group + 1]; });
    for (std::size_t g = 0; g < kWordGroups; ++g) wordGroup_[g + 1] += wordGroup_[g];
    wordStarts_.resize(wordGroup_[kWordGroups]);
    std::vector<uint32_t> next(wordGroup_.begin(), wordGroup_.end() - 1);
    forEachStart([&](std::size_t pos, std::size_t group) {
        wordStarts_[next[group]++] = static_cast<uint32_t>(pos);
    });
}

Place PlaceIndex::MakePlace(const Record& record) const {
    Place place;
    place.geonamesId = record.geonamesId;
    place.name = std::string_view(*placesText_).substr(record.nameOffset, record.nameLength);
    if (record.admin1 >= 0) place.state = admin1_[record.admin1].name;
    place.country = countries_[record.country].name;
    place.countryCode = countries_[record.country].code;
    place.latitude = record.latitudeMilli / 1000.0;
    place.longitude = record.longitudeMilli / 1000.0;
    place.population = record.population;
    place.timeZone = zoneNames_[record.zone];
    return place;
}

// One pass over every search name: each occurrence of the folded name that starts a name or a
// word of it marks its place, once, with the best fit among all its names (a village's own
// name may hold "Madras" as a word while a city's alternate name is exactly "Madras").
std::vector<PlaceIndex::Candidate> PlaceIndex::MatchName(std::string_view name) const {
    std::vector<Candidate> found;
    const char* const begin = keys_.data();
    const std::size_t size = keys_.size();
    std::size_t record = 0;
    const auto mark = [&](std::size_t pos, bool nameStart) {
        while (keyStart_[record + 1] <= pos) ++record;
        const Fit fit = !nameStart                          ? Fit::kWord
                        : begin[pos + name.size()] == '\n' ? Fit::kWhole
                                                            : Fit::kStart;
        if (!found.empty() && found.back().record == record) {
            found.back().fit = std::min(found.back().fit, fit);
        } else {
            found.push_back({static_cast<uint32_t>(record), fit});
        }
    };
    if (name.size() >= 2 && name.find('\n') == std::string_view::npos) {
        const std::size_t group = WordGroup(static_cast<unsigned char>(name[0]),
                                            static_cast<unsigned char>(name[1]));
        std::size_t skipBelow = 0;
        for (uint32_t i = wordGroup_[group]; i < wordGroup_[group + 1]; ++i) {
            const std::size_t pos = wordStarts_[i];
            if (pos < skipBelow || pos + name.size() > size) continue;
            if (std::memcmp(begin + pos, name.data(), name.size()) != 0) continue;
            mark(pos, pos == 0 || begin[pos - 1] == '\n');
            // Nothing later in this place's names can rank it better than a whole name.
            if (found.back().fit == Fit::kWhole) skipBelow = keyStart_[record + 1];
        }
        return found;
    }
    // A query of one byte, or one that spans names: every occurrence, as it is.
    std::size_t at = 0;
    while (at + name.size() <= size) {
        const char* hit = platform::FindBytes(begin + at, size - at, name);
        if (!hit) break;
        const std::size_t pos = static_cast<std::size_t>(hit - begin);
        at = pos + 1;
        const bool nameStart = pos == 0 || begin[pos - 1] == '\n';
        if (!nameStart && !IsWordSeparator(begin[pos - 1])) continue;
        mark(pos, nameStart);
        // Nothing later in this place's names can rank it better than a whole name.
        if (found.back().fit == Fit::kWhole) at = std::max<std::size_t>(at, keyStart_[record + 1]);
    }
    return found;
}

bool PlaceIndex::MatchesQualifier(const Record& record, std::string_view qualifier) const {
    const Region& country = countries_[record.country];
    if (WordStartsWith(country.folded, qualifier)) return true;
    if (MatchesCountryKey(country.keys, CountryKey(qualifier))) return true;
    return record.admin1 >= 0 && WordStartsWith(admin1_[record.admin1].folded, qualifier);
}

std::vector<Place> PlaceIndex::Search(std::string_view query, std::size_t limit,
                                      std::string_view preferredCountry) const {
    std::string_view rest = query;
    const std::string name = FoldForSearch(NextField(rest, ','));
    if (name.empty() || limit == 0) return {};
    std::vector<std::string> qualifiers;
    while (!rest.empty()) {
        std::string qualifier = FoldForSearch(NextField(rest, ','));
        if (!qualifier.empty()) qualifiers.push_back(std::move(qualifier));
    }

    std::vector<Candidate> found = MatchName(name);
    if (!qualifiers.empty()) {
        std::erase_if(found, [&](const Candidate& c) {
            return !std::all_of(qualifiers.begin(), qualifiers.end(), [&](const std::string& q) {
                return MatchesQualifier(records_[c.record], q);
            });
        });
    }
    const auto better = [&](const Candidate& a, const Candidate& b) {
        if (a.fit != b.fit) return a.fit < b.fit;
        const Record& ra = records_[a.record];
        const Record& rb = records_[b.record];
        const bool aPreferred = countries_[ra.country].code == preferredCountry;
        const bool bPreferred = countries_[rb.country].code == preferredCountry;
        if (aPreferred != bPreferred) return aPreferred;
        if (ra.citySection != rb.citySection) return rb.citySection;
        if (ra.population != rb.population) return ra.population > rb.population;
        return ra.geonamesId < rb.geonamesId;
    };
    const std::size_t count = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count),
                      found.end(), better);
    std::vector<Place> places;
    places.reserve(count);
    for (std::size_t i = 0; i < count; ++i) places.push_back(MakePlace(records_[found[i].record]));
    return places;
}

std::optional<Place> PlaceIndex::BestMatch(std::string_view text) const {
    std::vector<Place> places = Search(text, 1);
    if (places.empty()) return std::nullopt;
    return places.front();
}

std::optional<Place> PlaceIndex::FindByGeonamesId(int64_t geonamesId) const {
    const auto it = std::lower_bound(records_.begin(), records_.end(), geonamesId,
                                     [](const Record& r, int64_t id) { return r.geonamesId < id; });
    if (it == records_.end() || it->geonamesId != geonamesId) return std::nullopt;
    return MakePlace(*it);
}

// ---- the compact index ----------------------------------------------------------------

namespace {

constexpr char kIndexMagic[8] = {'K', 'L', 'D', 'Y', 'I', 'D', 'X', '1'};

// FNV-1a in four lanes over the 64-bit words (the index is a whole number of them): four
// independent multiplications at a time, so that checking the index costs little of its load.
uint64_t IndexChecksum(const char* data, std::size_t size) {
    constexpr uint64_t kPrime = 0x100000001b3ULL;
    uint64_t lanes[4] = {0xcbf29ce484222325ULL, 0x84222325cbf29ce4ULL, 0x1b3ULL, 0x100000001ULL};
    std::size_t at = 0;
    for (; at + 32 <= size; at += 32) {
        uint64_t words[4];
        std::memcpy(words, data + at, sizeof words);
        for (int lane = 0; lane < 4; ++lane) lanes[lane] = (lanes[lane] ^ words[lane]) * kPrime;
    }
    for (int lane = 0; at + 8 <= size; at += 8, ++lane) {
        uint64_t word;
        std::memcpy(&word, data + at, sizeof word);
        lanes[lane] = (lanes[lane] ^ word) * kPrime;
    }
    return lanes[0] ^ (lanes[1] * 3) ^ (lanes[2] * 5) ^ (lanes[3] * 7);
}

void Pad(std::string& out) { out.resize((out.size() + 7) / 8 * 8, '\0'); }

template <class T>
void PutArray(std::string& out, const T* items, std::size_t count) {
    out.append(reinterpret_cast<const char*>(items), count * sizeof(T));
    Pad(out);
}

void PutWord(std::string& out, uint64_t word) { PutArray(out, &word, 1); }

// Reads what PutArray and PutWord wrote; false once the bytes run out.
class IndexReader {
  public:
    explicit IndexReader(std::string_view bytes) : bytes_(bytes) {}
    bool Word(uint64_t& word) { return Array(&word, 1); }
    template <class T>
    bool Array(T* items, std::size_t count) {
        const std::size_t size = count * sizeof(T);
        const std::size_t padded = (size + 7) / 8 * 8;
        if (count > bytes_.size() / sizeof(T) || padded > bytes_.size()) return false;
        if (size) std::memcpy(items, bytes_.data(), size);
        bytes_.remove_prefix(padded);
        return true;
    }
    bool Text(std::string& text, uint64_t size) {
        if (size > bytes_.size()) return false;
        text.resize(size);
        return Array(text.data(), size);
    }
    template <class T>
    bool Vector(std::vector<T>& items, uint64_t count) {
        if (count > bytes_.size() / sizeof(T)) return false;
        items.resize(count);
        return Array(items.data(), count);
    }
    bool AtEnd() const { return bytes_.empty(); }

  private:
    std::string_view bytes_;
};

}  // namespace

std::string PlaceIndex::CompactIndex(std::string_view placesIdentity) const {
    // Only the names are kept of places.tsv: the records point into them.
    std::string names;
    std::vector<Record> records = records_;
    for (Record& record : records) {
        const uint32_t offset = static_cast<uint32_t>(names.size());
        names.append(*placesText_, record.nameOffset, record.nameLength);
        record.nameOffset = offset;
    }
    std::string out(kIndexMagic, sizeof kIndexMagic);
    for (const uint64_t count : {uint64_t{sizeof(Record)}, uint64_t{placesIdentity.size()},
                                 uint64_t{records.size()}, uint64_t{names.size()},
                                 uint64_t{keys_.size()}, uint64_t{keyStart_.size()},
                                 uint64_t{wordStarts_.size()}, uint64_t{wordGroup_.size()}})
        PutWord(out, count);
    PutArray(out, placesIdentity.data(), placesIdentity.size());
    PutArray(out, records.data(), records.size());
    PutArray(out, names.data(), names.size());
    PutArray(out, keys_.data(), keys_.size());
    PutArray(out, keyStart_.data(), keyStart_.size());
    PutArray(out, wordStarts_.data(), wordStarts_.size());
    PutArray(out, wordGroup_.data(), wordGroup_.size());
    PutWord(out, IndexChecksum(out.data(), out.size()));
    return out;
}

std::optional<PlaceIndex> PlaceIndex::FromCompactIndex(std::string index,
                                                       std::string_view placesIdentity,
                                                       std::string regionsText,
                                                       const ZoneHistory& zones) {
    if (index.size() < sizeof kIndexMagic + 8 || index.size() % 8 != 0 ||
        std::memcmp(index.data(), kIndexMagic, sizeof kIndexMagic) != 0)
        return std::nullopt;
    uint64_t written;
    std::memcpy(&written, index.data() + index.size() - 8, 8);
    if (IndexChecksum(index.data(), index.size() - 8) != written) return std::nullopt;

    IndexReader in(std::string_view(index).substr(sizeof kIndexMagic, index.size() - 16));
    uint64_t recordSize, checkSize, records, names, keys, keyStarts, wordStarts, wordGroups;
    for (uint64_t* count : {&recordSize, &checkSize, &records, &names, &keys, &keyStarts,
                            &wordStarts, &wordGroups})
        if (!in.Word(*count)) return std::nullopt;
    std::string checkLine;
    if (recordSize != sizeof(Record) || !in.Text(checkLine, checkSize) ||
        checkLine != placesIdentity || wordGroups != kWordGroups + 1 ||
        keyStarts != records + 1)
        return std::nullopt;

    PlaceIndex place;
    for (std::size_t z = 0; z < zones.zoneCount(); ++z)
        place.zoneNames_.emplace_back(zones.zoneName(z));
    if (place.ParseRegions(std::move(regionsText))) return std::nullopt;
    std::string nameText;
    if (!in.Vector(place.records_, records) || !in.Text(nameText, names) ||
        !in.Text(place.keys_, keys) || !in.Vector(place.keyStart_, keyStarts) ||
        !in.Vector(place.wordStarts_, wordStarts) || !in.Vector(place.wordGroup_, wordGroups) ||
        !in.AtEnd())
        return std::nullopt;
    place.placesText_ = std::make_unique<const std::string>(std::move(nameText));
    // Every reference the search follows must lie inside what it refers to.
    for (const Record& record : place.records_)
        if (uint64_t{record.nameOffset} + record.nameLength > names ||
            record.zone >= place.zoneNames_.size() || record.country >= place.countries_.size() ||
            record.admin1 >= static_cast<int32_t>(place.admin1_.size()))
            return std::nullopt;
    if (place.keyStart_.back() != keys || place.wordGroup_.back() != wordStarts) return std::nullopt;
    return place;
}

}  // namespace kalodaya::atlas
