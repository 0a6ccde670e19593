#include "astro/atlas/zone_entry_match.h"

#include <cstdio>
#include <cstdlib>

#include "astro/zone_table.h"
#include "base/utc_offset.h"

namespace kalodaya::atlas {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// List texts are "Name,ABBR,+h.m" (some with blanks after the commas).
std::string_view EntryName(const ZoneEntry& entry) {
    return Trim(entry.listText.substr(0, entry.listText.find(',')));
}

std::string_view EntryAbbreviation(const ZoneEntry& entry) {
    std::string_view rest = entry.listText.substr(entry.listText.find(',') + 1);
    return Trim(rest.substr(0, rest.find(',')));
}

bool IsDaylightKind(const ZoneEntry& entry) {
    const std::string_view name = EntryName(entry);
    return name.find("Daylight") != std::string_view::npos ||
           name.find("Summer") != std::string_view::npos ||
           name.find("War") != std::string_view::npos;
}

int EastSeconds(const ZoneEntry& entry) {
    return -(entry.hours * 3600 + entry.minutes * 60);
}

}  // namespace

std::optional<int> MatchZoneEntry(int utcOffsetSeconds, std::string_view abbreviation,
                                  bool daylight) {
    std::optional<int> first, sameKind;
    for (int i = 0; i < kZoneCount; ++i) {
        const ZoneEntry& entry = kZoneTable[i];
        if (EastSeconds(entry) != utcOffsetSeconds) continue;
        if (EntryAbbreviation(entry) == abbreviation) return i;
        if (!sameKind && IsDaylightKind(entry) == daylight) sameKind = i;
        if (!first) first = i;
    }
    return sameKind ? sameKind : first;
}

std::string ExactEntryLabel(int utcOffsetSeconds, std::string_view timeZone) {
    return "Exact offset: UTC" + UtcOffsetText(utcOffsetSeconds) + " (" + std::string(timeZone) +
           ")";
}

ZoneHoursMinutes ToZoneHoursMinutes(int utcOffsetSeconds) {
    const int westMinutes = -utcOffsetSeconds / 60;
    return {westMinutes / 60, westMinutes % 60};
}

}  // namespace kalodaya::atlas
