#pragma once
// A station moment as the product stores it: "month,day,year,hour,minute," in UT.
#include <string>

namespace stations {

struct CivilMinute {
    int year, month, day, hour, minute;
};

// The Gregorian calendar date and clock time of `jdUt`, rounded to the nearest minute.
CivilMinute ToCivilMinute(double jdUt);

// "3,15,1900,13,19,": no leading zeros, no blanks, a comma after every field.
std::string StationText(const CivilMinute& t);

}  // namespace stations
