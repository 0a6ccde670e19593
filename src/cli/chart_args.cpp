#include "cli/chart_args.h"

#include <regex>

#include "time/zone_table.h"

namespace kalodaya::cli {
namespace {

ArgError Bad(const std::string& what, const std::string& text, const std::string& form) {
    return {"unusable " + what + " \"" + text + "\": expected " + form};
}

// Digits as the list shows them: no leading zeros.
std::string Plain(const std::string& digits) { return std::to_string(std::stoi(digits)); }

}  // namespace

std::optional<ArgError> SetName(Entries& entries, const std::string& text) {
    std::string name;
    for (char ch : text) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        if (!((ch >= 'A' && ch <= 'Z') || ch == ' '))
            return ArgError{"unusable name \"" + text +
                            "\": the name box takes only the letters A to Z and blanks"};
        name += ch;
    }
    entries.name = name;
    return std::nullopt;
}

std::optional<ArgError> SetDate(Entries& entries, const std::string& text) {
    static const std::regex form(R"((\d{4})-(\d{2})-(\d{2}))");
    std::smatch m;
    const std::string expected = "YYYY-MM-DD with a year from 1901 to 2050";
    if (!std::regex_match(text, m, form)) return Bad("date", text, expected);
    const int year = std::stoi(m[1]), month = std::stoi(m[2]), day = std::stoi(m[3]);
    if (year < 1901 || year > 2050 || month < 1 || month > 12 || day < 1 || day > 31)
        return Bad("date", text, expected);
    entries.yearText = Plain(m[1]);
    entries.monthIndex = month - 1;
    entries.dayText = Plain(m[3]);
    return std::nullopt;
}

std::optional<ArgError> SetTime(Entries& entries, const std::string& text) {
    static const std::regex form(R"((\d{2}):(\d{2}):(\d{2}))");
    std::smatch m;
    const std::string expected = "HH:MM:SS from 00:00:00 to 23:59:59";
    if (!std::regex_match(text, m, form)) return Bad("time", text, expected);
    if (std::stoi(m[1]) > 23 || std::stoi(m[2]) > 59 || std::stoi(m[3]) > 59)
        return Bad("time", text, expected);
    entries.hourText = Plain(m[1]);
    entries.minuteText = Plain(m[2]);
    entries.secondText = Plain(m[3]);
    return std::nullopt;
}

// Coordinates go into the boxes as typed (digits only, the boxes' length limits); the entry
// checks then judge their values as they judge the form's.
std::optional<ArgError> SetLatitude(Entries& entries, const std::string& text) {
    static const std::regex form(R"((\d{0,2}):(\d{0,2})([NS]))");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return Bad("latitude", text, "DD:MM followed by N or S, e.g. 28:39N");
    entries.latDegText = m[1];
    entries.latMinText = m[2];
    entries.north = m[3] == "N";
    return std::nullopt;
}

std::optional<ArgError> SetLongitude(Entries& entries, const std::string& text) {
    static const std::regex form(R"((\d{0,3}):(\d{0,2})([EW]))");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return Bad("longitude", text, "DDD:MM followed by E or W, e.g. 77:13E");
    entries.lonDegText = m[1];
    entries.lonMinText = m[2];
    entries.east = m[3] == "E";
    return std::nullopt;
}

std::optional<ArgError> SetZone(Entries& entries, long long position) {
    if (position < 0 || position >= kZoneCount)
        return ArgError{"unusable zone " + std::to_string(position) +
                        ": expected a zone list position from 0 to 70"};
    entries.zoneIndex = static_cast<int>(position);
    return std::nullopt;
}

}  // namespace kalodaya::cli
