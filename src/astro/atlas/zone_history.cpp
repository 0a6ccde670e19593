#include "astro/atlas/zone_history.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/atlas/tsv_fields.h"

namespace kalodaya::atlas {
namespace {

// No zone's offset reaches a day, so a clock time lies within a day of its UT.
constexpr int64_t kDay = 86400;

AtlasError BadLine(std::size_t lineNumber, std::string_view what) {
    return {"zones.tsv line " + std::to_string(lineNumber) + ": " + std::string(what) + "."};
}

// The mean time of a longitude, rounded to the minute.
int MeanTimeOffset(double longitudeEast) {
    return static_cast<int>(std::lround(longitudeEast * 4.0)) * 60;
}

}  // namespace

Expected<ZoneHistory> ZoneHistory::Parse(std::string_view text) {
    ZoneHistory history;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        std::string_view line = NextField(text, '\n');
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const std::string_view name = NextField(line, '\t');
        if (name == "tzdata") {
            history.version_ = std::string(line);
            continue;
        }
        Zone zone;
        zone.name = std::string(name);
        std::string_view types = NextField(line, '\t');
        while (!types.empty()) {
            std::string_view type = NextField(types, ' ');
            const auto offset = ParseInt<int>(NextField(type, '/'));
            const std::string_view daylight = NextField(type, '/');
            if (!offset || (daylight != "0" && daylight != "1") || type.empty())
                return BadLine(lineNumber, "a local time type is not offset/daylight/abbreviation");
            zone.types.push_back(
                {*offset, daylight == "1", type == "LMT" || type == "-00", std::string(type)});
        }
        if (zone.types.empty()) return BadLine(lineNumber, "a zone has no local time type");
        int64_t at = 0;
        while (!line.empty()) {
            std::string_view change = NextField(line, ' ');
            const auto step = ParseInt<int64_t>(NextField(change, ':'));
            const auto type = ParseInt<uint16_t>(change);
            if (!step || !type || *type >= zone.types.size() ||
                (!zone.changes.empty() && *step <= 0))
                return BadLine(lineNumber, "a change is not seconds:type");
            at += *step;
            zone.changes.push_back(at);
            zone.typeAfter.push_back(*type);
        }
        history.zones_.push_back(std::move(zone));
    }
    if (history.version_.empty()) return AtlasError{"zones.tsv names no tzdata version."};
    if (!std::is_sorted(history.zones_.begin(), history.zones_.end(),
                        [](const Zone& a, const Zone& b) { return a.name < b.name; }))
        return AtlasError{"zones.tsv is not sorted by zone name."};
    return history;
}

std::optional<std::size_t> ZoneHistory::FindZone(std::string_view name) const {
    const auto it =
        std::lower_bound(zones_.begin(), zones_.end(), name,
                         [](const Zone& zone, std::string_view n) { return zone.name < n; });
    if (it == zones_.end() || it->name != name) return std::nullopt;
    return static_cast<std::size_t>(it - zones_.begin());
}

Expected<ZoneOffset> ZoneHistory::OffsetAt(std::string_view zoneName, const CivilTime& clock,
                                           double longitudeEast) const {
    if (!IsValid(clock)) return AtlasError{"The date or clock time does not exist."};
    if (clock.year < kFirstHistoryYear || clock.year > kLastHistoryYear)
        return AtlasError{"The atlas knows time zones from 1800 to 2051 only."};
    if (!std::isfinite(longitudeEast) || std::abs(longitudeEast) > 180)
        return AtlasError{"The longitude is not between 180 degrees west and east."};
    const auto index = FindZone(zoneName);
    if (!index)
        return AtlasError{"The atlas has no time zone named " + std::string(zoneName) + "."};
    const Zone& zone = zones_[*index];
    const int meanTime = MeanTimeOffset(longitudeEast);

    // Period p runs in UT from change p-1 (or always) to change p (or for ever); its clock
    // times run from start + offset to end + offset.
    const std::size_t count = zone.changes.size();
    constexpr int64_t kNever = std::numeric_limits<int64_t>::max() / 2;
    const auto type = [&](std::size_t p) -> const LocalType& {
        return p == 0 ? zone.types[0] : zone.types[zone.typeAfter[p - 1]];
    };
    const auto offset = [&](std::size_t p) {
        return type(p).meanTime ? meanTime : type(p).offsetSeconds;
    };
    const auto start = [&](std::size_t p) { return p == 0 ? -kNever : zone.changes[p - 1]; };
    const auto end = [&](std::size_t p) { return p == count ? kNever : zone.changes[p]; };

    const int64_t local = SecondsSinceEpoch(clock);
    std::size_t p = static_cast<std::size_t>(
        std::upper_bound(zone.changes.begin(), zone.changes.end(), local - kDay) -
        zone.changes.begin());
    std::optional<std::size_t> first;
    std::optional<std::size_t> lastEndedBefore;
    int occurrences = 0;
    for (; p <= count && start(p) <= local + kDay; ++p) {
        const int64_t localStart = start(p) == -kNever ? -kNever : start(p) + offset(p);
        const int64_t localEnd = end(p) == kNever ? kNever : end(p) + offset(p);
        if (localStart <= local && local < localEnd) {
            if (!first) first = p;
            ++occurrences;
        } else if (localEnd <= local) {
            lastEndedBefore = p;
        }
    }

    ZoneOffset result;
    std::size_t chosen = 0;
    if (first) {
        chosen = *first;
        result.clock = occurrences > 1 ? ClockReading::kRepeated : ClockReading::kOk;
    } else {
        // A gap lies between the end of one period and the start of the next.
        chosen = lastEndedBefore.value_or(0);
        result.clock = ClockReading::kSkipped;
    }
    const LocalType& chosenType = type(chosen);
    result.utcOffsetSeconds = offset(chosen);
    result.daylight = chosenType.daylight;
    result.localMeanTime = chosenType.meanTime;
    result.abbreviation =
        chosenType.meanTime ? std::string_view("LMT") : std::string_view(chosenType.abbreviation);
    return result;
}

}  // namespace kalodaya::atlas
