#include "astro/atlas/zone_entry_match.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "astro/zone_table.h"
#include "base/utc_offset.h"

namespace kalodaya::atlas {
namespace {

constexpr int kHour = 3600;

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

// The database's abbreviations that name a list entry's clock under another abbreviation, at
// the one offset where they do: Europe writes CEST for the list's "Central European Daylight",
// China CST, Hong Kong HKT and Manila PST for the "China Coast Time" of +08:00, Alaska AKST
// for the Yukon time it was called before 1983, the 1945 "peace time" of the United States
// its daylight time.
struct AbbreviationAlias {
    std::string_view abbreviation;
    int offsetSeconds;
    std::string_view entryAbbreviation;
};
constexpr std::array kAbbreviationAliases{
    AbbreviationAlias{"CEST", 2 * kHour, "CED"},  AbbreviationAlias{"MEST", 2 * kHour, "MED"},
    AbbreviationAlias{"EEST", 3 * kHour, "EED"},  AbbreviationAlias{"CST", 8 * kHour, "CCT"},
    AbbreviationAlias{"HKT", 8 * kHour, "CCT"},   AbbreviationAlias{"PST", 8 * kHour, "CCT"},
    AbbreviationAlias{"PHT", 8 * kHour, "CCT"},   AbbreviationAlias{"SGT", 8 * kHour, "CCT"},
    AbbreviationAlias{"MYT", 8 * kHour, "CCT"},   AbbreviationAlias{"AKST", -9 * kHour, "YST"},
    AbbreviationAlias{"AKDT", -8 * kHour, "YDT"}, AbbreviationAlias{"NZST", 12 * kHour, "NZT"},
    AbbreviationAlias{"NZDT", 13 * kHour, "NZST"}, AbbreviationAlias{"EPT", -4 * kHour, "EDT"},
    AbbreviationAlias{"CPT", -5 * kHour, "CDT"},  AbbreviationAlias{"MPT", -6 * kHour, "MDT"},
    AbbreviationAlias{"PPT", -7 * kHour, "PDT"},  AbbreviationAlias{"UTC", 0, "UT"},
};

// The zones whose places keep a list entry's clock where the database gives it no letters
// ("+08" for Singapore, "-03" for São Paulo) or other ones ("HST" for Honolulu's -10:00):
// entries by the start of their name, zones by name or by a name that ends with '/' (a group).
struct EntryRegion {
    std::string_view entryNameStart;
    std::string_view zones;  // blank-separated
};
constexpr std::string_view kRussia =
    "Europe/Samara Europe/Ulyanovsk Europe/Astrakhan Europe/Saratov Europe/Volgograd "
    "Europe/Kirov Asia/Yekaterinburg Asia/Omsk Asia/Novosibirsk Asia/Barnaul Asia/Tomsk "
    "Asia/Novokuznetsk Asia/Krasnoyarsk Asia/Irkutsk Asia/Chita Asia/Yakutsk Asia/Khandyga "
    "Asia/Vladivostok Asia/Ust-Nera Asia/Magadan Asia/Sakhalin Asia/Srednekolymsk "
    "Asia/Kamchatka Asia/Anadyr";
constexpr std::array kEntryRegions{
    EntryRegion{"Alaska/Hawaii", "America/Anchorage America/Juneau America/Sitka "
                                 "America/Yakutat America/Nome America/Metlakatla "
                                 "Pacific/Honolulu"},
    EntryRegion{"Australian", "Australia/"},
    EntryRegion{"South Australia", "Australia/Adelaide Australia/Broken_Hill"},
    EntryRegion{"Azores", "Atlantic/Azores"},
    EntryRegion{"Baghdad", "Asia/Baghdad"},
    EntryRegion{"Bering", "America/Nome America/Adak"},
    EntryRegion{"Nome", "America/Nome"},
    EntryRegion{"Brazil", "America/Sao_Paulo America/Bahia America/Fortaleza America/Recife "
                          "America/Belem America/Maceio America/Araguaina America/Santarem"},
    EntryRegion{"British", "Europe/London Europe/Belfast Europe/Guernsey Europe/Isle_of_Man "
                           "Europe/Jersey"},
    EntryRegion{"China Coast", "Asia/Shanghai Asia/Hong_Kong Asia/Macau Asia/Taipei "
                               "Asia/Manila Asia/Singapore Asia/Kuala_Lumpur Asia/Kuching"},
    EntryRegion{"Guam", "Pacific/Guam Pacific/Saipan"},
    EntryRegion{"Indian", "Asia/Kolkata"},
    EntryRegion{"Iran", "Asia/Tehran"},
    EntryRegion{"Japan", "Asia/Tokyo"},
    EntryRegion{"Java", "Asia/Jakarta"},
    EntryRegion{"New Zealand", "Pacific/Auckland"},
    EntryRegion{"Newfoundland", "America/St_Johns"},
    EntryRegion{"USSR", kRussia},
    EntryRegion{"Yukon", "America/Whitehorse America/Dawson America/Anchorage America/Juneau "
                         "America/Sitka America/Yakutat America/Nome"},
};

bool ZoneInList(std::string_view zones, std::string_view zone) {
    while (!zones.empty()) {
        const std::size_t blank = zones.find(' ');
        const std::string_view one = zones.substr(0, blank);
        zones = blank == std::string_view::npos ? std::string_view{} : zones.substr(blank + 1);
        if (one == zone) return true;
        if (one.ends_with('/') && zone.starts_with(one)) return true;
    }
    return false;
}

bool InEntryRegion(const ZoneEntry& entry, std::string_view timeZone) {
    if (timeZone.empty()) return false;
    const std::string_view name = EntryName(entry);
    return std::any_of(kEntryRegions.begin(), kEntryRegions.end(), [&](const EntryRegion& r) {
        return name.starts_with(r.entryNameStart) && ZoneInList(r.zones, timeZone);
    });
}

std::string_view EntryAbbreviationFor(int utcOffsetSeconds, std::string_view abbreviation) {
    for (const AbbreviationAlias& alias : kAbbreviationAliases)
        if (alias.abbreviation == abbreviation && alias.offsetSeconds == utcOffsetSeconds)
            return alias.entryAbbreviation;
    return abbreviation;
}

// Whether the database's abbreviation is letters, not a number ("+0545") or nothing.
bool IsLetters(std::string_view abbreviation) {
    return !abbreviation.empty() && abbreviation.front() != '+' && abbreviation.front() != '-';
}

}  // namespace

std::optional<int> MatchZoneEntry(int utcOffsetSeconds, std::string_view abbreviation,
                                  bool daylight, std::string_view timeZone) {
    const std::string_view wanted = EntryAbbreviationFor(utcOffsetSeconds, abbreviation);
    std::optional<int> regional;
    for (int i = 0; i < kZoneCount; ++i) {
        const ZoneEntry& entry = kZoneTable[i];
        if (EastSeconds(entry) != utcOffsetSeconds) continue;
        if (IsLetters(wanted) && EntryAbbreviation(entry) == wanted) return i;
        if (!regional && IsDaylightKind(entry) == daylight && InEntryRegion(entry, timeZone))
            regional = i;
    }
    return regional;
}

std::string ExactEntryLabel(int utcOffsetSeconds, std::string_view abbreviation,
                            std::string_view timeZone) {
    std::string label = "Exact offset: UTC" + UtcOffsetText(utcOffsetSeconds);
    if (IsLetters(abbreviation)) label.append(" ").append(abbreviation);
    if (!timeZone.empty()) label.append(" (").append(timeZone).append(")");
    return label;
}

ZoneHoursMinutes ToZoneHoursMinutes(int utcOffsetSeconds) {
    const int westMinutes = -utcOffsetSeconds / 60;
    return {westMinutes / 60, westMinutes % 60};
}

}  // namespace kalodaya::atlas
