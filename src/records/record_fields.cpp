#include "records/record_fields.h"

#include <array>
#include <chrono>
#include <cstdio>

#include "base/quoted_value.h"

namespace kalodaya::records {
namespace {

// Exactly `count` digits at `at`, moving past them.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t count) {
    if (text.size() - at < count) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char ch = text[at + i];
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    at += count;
    return value;
}

bool Take(std::string_view text, std::size_t& at, char ch) {
    if (at >= text.size() || text[at] != ch) return false;
    ++at;
    return true;
}

bool InRange(const std::optional<int>& value, int most) {
    return !value || (*value >= 0 && *value <= most);
}

constexpr int kDaySeconds = 24 * 3600;

}  // namespace

std::string DateText(const Record& r) { return DateForm(r.year, r.month, r.day); }
std::string TimeText(const Record& r) { return TimeForm(r.hour, r.minute, r.second); }
std::string DateText(const RecordSummary& s) { return DateForm(s.year, s.month, s.day); }
std::string TimeText(const RecordSummary& s) { return TimeForm(s.hour, s.minute, s.second); }

std::string PlaceText(const RecordSummary& s) {
    std::string text;
    for (const std::string* part : {&s.city, &s.state, &s.country}) {
        if (part->empty()) continue;
        if (!text.empty()) text += ", ";
        text += *part;
    }
    return text;
}

std::string LatitudeText(const Latitude& lat) { return LatitudeForm(lat); }
std::string LongitudeText(const Longitude& lon) { return LongitudeForm(lon); }

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
    const auto date = ReadDateForm(text);
    if (!date) return Error{date.error()};
    record.year = date->year;
    record.month = date->month;
    record.day = date->day;
    return std::nullopt;
}

Status ReadTime(std::string_view text, Record& record) {
    const auto time = ReadTimeForm(text);
    if (!time) return Error{time.error()};
    record.hour = time->hour;
    record.minute = time->minute;
    record.second = time->second;
    return std::nullopt;
}

Result<Latitude> ReadLatitude(std::string_view text) {
    auto latitude = ReadLatitudeForm(text);
    if (!latitude) return Error{latitude.error()};
    return *latitude;
}

Result<Longitude> ReadLongitude(std::string_view text) {
    auto longitude = ReadLongitudeForm(text);
    if (!longitude) return Error{longitude.error()};
    return *longitude;
}

Result<int> ReadUtcOffset(std::string_view text) {
    const auto seconds = ReadUtcOffsetForm(text);
    if (!seconds) return Error{seconds.error()};
    return *seconds;
}

Result<std::int64_t> ReadTimestamp(std::string_view text) {
    const Error unusable{"unusable time stamp " + QuotedValue(text) +
                         ": expected YYYY-MM-DDTHH:MM:SSZ"};
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
        return unusable;
    using namespace std::chrono;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return unusable;
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
    if (r.uncertaintyMinutes < 0 || r.uncertaintyMinutes > kLongestUncertaintyMinutes)
        return "the birth time's uncertainty is not from 0 to " +
               std::to_string(kLongestUncertaintyMinutes) + " minutes";
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
