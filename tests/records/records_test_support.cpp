#include "records_test_support.h"

#include <array>

namespace kalodaya::records::testing {

Record VariedRecord(int i) {
    static const std::array<const char*, 8> names = {
        "RAMA", "SITA DEVI", "Jürgen Müller", "राम", "O'Brien, Jr.", "Anne \"Nan\" Lee", "", "A"};
    static const std::array<const char*, 6> cities = {
        "", "New Delhi", "Zürich", "São Paulo, SP", "Kathmandu\nline two", " Leading blank"};
    static const std::array<const char*, 5> notes = {
        "", "twins, the elder", "first line\nsecond line", "windows\r\nline", "quote \" and , comma"};
    // A small linear congruential sequence: the same records on every run.
    unsigned state = 2654435761u * static_cast<unsigned>(i + 1);
    const auto next = [&state](unsigned range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % range);
    };

    Record r;
    r.name = names[static_cast<std::size_t>(next(names.size()))];
    r.year = kFirstYear + next(kLastYear - kFirstYear + 1);
    r.month = 1 + next(12);
    r.day = 1 + next(31);
    r.hour = next(24);
    r.minute = next(60);
    r.second = next(60);
    r.city = cities[static_cast<std::size_t>(next(cities.size()))];
    r.state = next(3) == 0 ? "Bagmati" : "";
    r.country = next(2) == 0 ? "Nepal" : "Česko";
    r.latitude = {next(10) ? std::optional<int>(next(100)) : std::nullopt,
                  next(10) ? std::optional<int>(next(100)) : std::nullopt, next(2) == 0};
    r.longitude = {next(10) ? std::optional<int>(next(1000)) : std::nullopt,
                   next(10) ? std::optional<int>(next(100)) : std::nullopt, next(2) == 0};
    if (next(4) == 0) {
        // Within the offsets clocks keep, -12:00 to +14:00, to the nearest minute.
        const int east = next(2);
        const int seconds = (east ? 1 : -1) *
                            (next((east ? 14 : 12) * 3600 - 60) + (next(2) ? 0 : next(60)));
        r.ianaZone = next(2) ? "Asia/Kathmandu" : "";
        r.zone = ExactOffset{seconds, next(2) ? "Exact offset: local mean time" : ""};
        if (std::get<ExactOffset>(r.zone).label.empty())
            std::get<ExactOffset>(r.zone).label = "Exact offset";
    } else {
        r.zone = ZoneEntry{next(kZoneEntryCount)};
    }
    r.dst = next(2) == 0;
    if (next(3) == 0) r.geonamesId = 1 + next(9000000);
    if (r.ianaZone.empty() && next(3) == 0) r.ianaZone = "America/Argentina/Buenos_Aires";
    r.note = notes[static_cast<std::size_t>(next(notes.size()))];
    r.created = 1600000000 + next(100000000);
    r.updated = r.created + next(1000000);
    // Drawn last, so that every field above keeps the values it had before these existed.
    static const std::array<Calculation, 5> calculations = {{
        {},
        {"modern", "lahiri", "mean", "classic"},
        {"modern", "kp", "true", "hindu"},
        {"classic", "classic", "mean", "hindu"},
        {"modern", "true-chitra", "true", "classic"}}};
    if (next(3) == 0) r.uncertaintyMinutes = next(kLongestUncertaintyMinutes + 1);
    r.calculation = calculations[static_cast<std::size_t>(next(calculations.size()))];
    return r;
}

}  // namespace kalodaya::records::testing
