#include "records/record_fields.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace kalodaya::records {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Exactly `count` digits at `at`, moving past them.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t count) {
    if (text.size() - at < count) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!IsDigit(text[at + i])) return std::nullopt;
        value = value * 10 + (text[at + i] - '0');
    }
    at += count;
    return value;
}

// Up to `most` digits at `at` (none gives no value), moving past them.
std::optional<int> BoxDigits(std::string_view text, std::size_t& at, std::size_t most) {
    const std::size_t start = at;
    int value = 0;
    while (at < text.size() && at - start < most && IsDigit(text[at]))
        value = value * 10 + (text[at++] - '0');
    if (at == start) return std::nullopt;
    return value;
}

bool Take(std::string_view text, std::size_t& at, char ch) {
    if (at >= text.size() || text[at] != ch) return false;
    ++at;
    return true;
}

Error Unusable(std::string_view what, std::string_view text, std::string_view form) {
    std::string message = "unusable ";
    message.append(what).append(" \"").append(text).append("\": expected ").append(form);
    return {message};
}

// A coordinate: up to `degreeWidth` digits, a colon, up to two digits, one hemisphere letter.
struct Coordinate {
    std::optional<int> degrees, minutes;
    bool first = true;  // the first of the two letters (N, E)
};
std::optional<Coordinate> ReadCoordinate(std::string_view text, std::size_t degreeWidth,
                                         char first, char second) {
    Coordinate c;
    std::size_t at = 0;
    c.degrees = BoxDigits(text, at, degreeWidth);
    if (!Take(text, at, ':')) return std::nullopt;
    c.minutes = BoxDigits(text, at, 2);
    if (at + 1 != text.size() || (text[at] != first && text[at] != second)) return std::nullopt;
    c.first = text[at] == first;
    return c;
}

std::string CoordinateText(const std::optional<int>& degrees, const std::optional<int>& minutes,
                           char hemisphere) {
    std::string text = degrees ? std::to_string(*degrees) : std::string();
    text += ':';
    if (minutes) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%02d", *minutes);
        text += digits;
    }
    text += hemisphere;
    return text;
}

bool InRange(const std::optional<int>& value, int most) {
    return !value || (*value >= 0 && *value <= most);
}

constexpr int kDaySeconds = 24 * 3600;

std::string DateOf(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string TimeOf(int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

}  // namespace

std::string DateText(const Record& r) { return DateOf(r.year, r.month, r.day); }
std::string TimeText(const Record& r) { return TimeOf(r.hour, r.minute, r.second); }
std::string DateText(const RecordSummary& s) { return DateOf(s.year, s.month, s.day); }
std::string TimeText(const RecordSummary& s) { return TimeOf(s.hour, s.minute, s.second); }

std::string PlaceText(const RecordSummary& s) {
    std::string text;
    for (const std::string* part : {&s.city, &s.state, &s.country}) {
        if (part->empty()) continue;
        if (!text.empty()) text += ", ";
        text += *part;
    }
    return text;
}

std::string LatitudeText(const Latitude& lat) {
    return CoordinateText(lat.degrees, lat.minutes, lat.north ? 'N' : 'S');
}

std::string LongitudeText(const Longitude& lon) {
    return CoordinateText(lon.degrees, lon.minutes, lon.east ? 'E' : 'W');
}

std::string TimestampText(std::int64_t unixSeconds) {
    using namespace std::chrono;
    const sys_seconds moment{seconds{unixSeconds}};
    const auto day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss clock{moment - day};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::string ExactOffsetLabel(int seconds, std::string_view ianaZone) {
    std::string label = "Exact offset: UTC" + UtcOffsetText(seconds);
    if (!ianaZone.empty()) label.append(" (").append(ianaZone).append(")");
    return label;
}

Status ReadDate(std::string_view text, Record& record) {
    constexpr std::string_view kForm = "YYYY-MM-DD with a year from 1901 to 2050";
    std::size_t at = 0;
    const auto year = Digits(text, at, 4);
    if (!year || !Take(text, at, '-')) return Unusable("date", text, kForm);
    const auto month = Digits(text, at, 2);
    if (!month || !Take(text, at, '-')) return Unusable("date", text, kForm);
    const auto day = Digits(text, at, 2);
    if (!day || at != text.size()) return Unusable("date", text, kForm);
    if (*year < kFirstYear || *year > kLastYear || *month < 1 || *month > 12 || *day < 1 ||
        *day > 31)
        return Unusable("date", text, kForm);
    record.year = *year;
    record.month = *month;
    record.day = *day;
    return std::nullopt;
}

Status ReadTime(std::string_view text, Record& record) {
    constexpr std::string_view kForm = "HH:MM:SS from 00:00:00 to 23:59:59";
    std::size_t at = 0;
    const auto hour = Digits(text, at, 2);
    if (!hour || !Take(text, at, ':')) return Unusable("time", text, kForm);
    const auto minute = Digits(text, at, 2);
    if (!minute || !Take(text, at, ':')) return Unusable("time", text, kForm);
    const auto second = Digits(text, at, 2);
    if (!second || at != text.size()) return Unusable("time", text, kForm);
    if (*hour > 23 || *minute > 59 || *second > 59) return Unusable("time", text, kForm);
    record.hour = *hour;
    record.minute = *minute;
    record.second = *second;
    return std::nullopt;
}

Result<Latitude> ReadLatitude(std::string_view text) {
    const auto c = ReadCoordinate(text, 2, 'N', 'S');
    if (!c) return Unusable("latitude", text, "DD:MM followed by N or S, e.g. 28:39N");
    return Latitude{c->degrees, c->minutes, c->first};
}

Result<Longitude> ReadLongitude(std::string_view text) {
    const auto c = ReadCoordinate(text, 3, 'E', 'W');
    if (!c) return Unusable("longitude", text, "DDD:MM followed by E or W, e.g. 77:13E");
    return Longitude{c->degrees, c->minutes, c->first};
}

Result<int> ReadUtcOffset(std::string_view text) {
    const auto seconds = ParseUtcOffset(text);
    if (!seconds) return Unusable("UTC offset", text, "+HH:MM or +HH:MM:SS, e.g. +05:45");
    if (!IsClockOffset(*seconds)) return Unusable("UTC offset", text, "an offset from -12:00 to +14:00");
    return *seconds;
}

Result<std::int64_t> ReadTimestamp(std::string_view text) {
    constexpr std::string_view kForm = "YYYY-MM-DDTHH:MM:SSZ";
    std::size_t at = 0;
    const auto y = Digits(text, at, 4);
    const bool d1 = y && Take(text, at, '-');
    const auto mo = d1 ? Digits(text, at, 2) : std::nullopt;
    const bool d2 = mo && Take(text, at, '-');
    const auto d = d2 ? Digits(text, at, 2) : std::nullopt;
    const bool t = d && Take(text, at, 'T');
    const auto h = t ? Digits(text, at, 2) : std::nullopt;
    const bool c1 = h && Take(text, at, ':');
    const auto mi = c1 ? Digits(text, at, 2) : std::nullopt;
    const bool c2 = mi && Take(text, at, ':');
    const auto s = c2 ? Digits(text, at, 2) : std::nullopt;
    if (!s || !Take(text, at, 'Z') || at != text.size() || *h > 23 || *mi > 59 || *s > 59)
        return Unusable("time stamp", text, kForm);
    using namespace std::chrono;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return Unusable("time stamp", text, kForm);
    return static_cast<std::int64_t>(sys_days{date}.time_since_epoch() / seconds{1}) +
           *h * 3600 + *mi * 60 + *s;
}

std::optional<std::string> ShapeProblem(const Record& r) {
    if (r.year < kFirstYear || r.year > kLastYear || r.month < 1 || r.month > 12 || r.day < 1 ||
        r.day > 31)
        return "the date " + DateText(r) + " is not on the form's lists";
    if (r.hour < 0 || r.hour > 23 || r.minute < 0 || r.minute > 59 || r.second < 0 ||
        r.second > 59)
        return "the time " + TimeText(r) + " is not on the form's lists";
    if (!InRange(r.latitude.degrees, 99) || !InRange(r.latitude.minutes, 99))
        return std::string("the latitude does not fit the form's boxes");
    if (!InRange(r.longitude.degrees, 999) || !InRange(r.longitude.minutes, 99))
        return std::string("the longitude does not fit the form's boxes");
    if (const auto* entry = std::get_if<ZoneEntry>(&r.zone)) {
        if (entry->position < 0 || entry->position >= kZoneEntryCount)
            return "zone " + std::to_string(entry->position) +
                   " is not a zone list position from 0 to 70";
    } else {
        const auto& exact = std::get<ExactOffset>(r.zone);
        if (exact.seconds <= -kDaySeconds || exact.seconds >= kDaySeconds)
            return std::string("the UTC offset is a day or more");
        if (!IsUtf8(exact.label)) return std::string("the offset's label is not UTF-8 text");
    }
    if (r.geonamesId && *r.geonamesId <= 0) return std::string("a GeoNames id is a number above 0");
    if (r.created < 0 || r.updated < 0) return std::string("a time stamp is before 1970");
    const std::pair<const char*, const std::string*> texts[] = {
        {"name", &r.name},       {"city", &r.city},           {"state", &r.state},
        {"country", &r.country}, {"IANA zone", &r.ianaZone}, {"note", &r.note}};
    for (const auto& [what, text] : texts) {
        if (!IsUtf8(*text)) return std::string("the ") + what + " is not UTF-8 text";
        if (FormTextLength(*text) > kLongestRecordText)
            return std::string("the ") + what + " is longer than " +
                   std::to_string(kLongestRecordText) + " characters";
    }
    if (const auto* exact = std::get_if<ExactOffset>(&r.zone);
        exact && FormTextLength(exact->label) > kLongestRecordText)
        return "the offset's label is longer than " + std::to_string(kLongestRecordText) +
               " characters";
    return std::nullopt;
}

std::optional<std::string> ShapeProblem(const Place& p) {
    if (p.name.empty()) return std::string("a place needs a name");
    if (!p.latitude.degrees || !p.latitude.minutes || *p.latitude.degrees < 0 ||
        *p.latitude.degrees > 89 || *p.latitude.minutes < 0 || *p.latitude.minutes > 59)
        return std::string("a place's latitude is 0 to 89 degrees and 0 to 59 minutes");
    if (!p.longitude.degrees || !p.longitude.minutes || *p.longitude.degrees < 0 ||
        *p.longitude.degrees > 179 || *p.longitude.minutes < 0 || *p.longitude.minutes > 59)
        return std::string("a place's longitude is 0 to 179 degrees and 0 to 59 minutes");
    if (!p.ianaZone.empty() && p.utcOffsetSeconds)
        return std::string("a place has an IANA zone or a fixed offset, not both");
    if (p.utcOffsetSeconds &&
        (*p.utcOffsetSeconds <= -kDaySeconds || *p.utcOffsetSeconds >= kDaySeconds))
        return std::string("the UTC offset is a day or more");
    for (const std::string* text : {&p.name, &p.state, &p.country, &p.ianaZone})
        if (!IsUtf8(*text)) return std::string("a place's text is not UTF-8");
    return std::nullopt;
}

std::size_t FormTextLength(std::string_view text) {
    std::size_t length = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        // One for every byte that starts a character, one more for a four-byte one.
        if ((byte & 0xC0) != 0x80) ++length;
        if (byte >= 0xF0) ++length;
    }
    return length;
}

bool IsUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        std::size_t length;
        std::uint32_t code;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - at < length) return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        constexpr std::array<std::uint32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        at += length;
    }
    return true;
}

}  // namespace kalodaya::records
