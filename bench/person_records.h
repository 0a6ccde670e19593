#pragma once
// A user's collection of saved records for the benchmarks: names, places and dates varied the
// way real ones are.
#include <array>
#include <string>

#include "records/record.h"

namespace kalodaya::bench {

// Names, places and dates as a user's collection has them.
inline records::Record PersonRecord(int i) {
    static constexpr std::array<const char*, 16> given = {
        "RAMA", "SITA", "ANIL", "PRIYA", "VIKRAM", "LAKSHMI", "ARJUN", "MEERA",
        "RAVI", "DEVI", "KIRAN", "ASHA", "SURESH", "GITA", "MOHAN", "NEHA"};
    static constexpr std::array<const char*, 12> family = {
        "SHARMA", "PATEL", "IYER", "REDDY", "GUPTA", "RAO", "NAIR", "SINGH",
        "JOSHI", "MEHTA", "BOSE", "DAS"};
    static constexpr std::array<const char*, 10> cities = {
        "New Delhi", "Mumbai", "Chennai", "Kolkata", "Bengaluru", "Hyderabad", "Pune",
        "Kathmandu", "London", "New York"};
    records::Record r;
    r.name = std::string(given[i % given.size()]) + " " + family[(i / 16) % family.size()];
    r.year = 1901 + (i * 7) % 150;
    r.month = 1 + (i / 3) % 12;
    r.day = 1 + (i * 11) % 28;
    r.hour = i % 24;
    r.minute = (i * 13) % 60;
    r.second = (i * 17) % 60;
    r.city = cities[(i / 5) % cities.size()];
    r.state = "State " + std::to_string(i % 30);
    r.country = i % 10 < 8 ? "India" : "Nepal";
    r.latitude = {(i * 3) % 90, (i * 7) % 60, i % 5 != 0};
    r.longitude = {(i * 5) % 180, (i * 11) % 60, i % 4 != 0};
    r.zone = records::ZoneEntry{i % 71};
    return r;
}

}  // namespace kalodaya::bench
