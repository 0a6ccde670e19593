#pragma once
// The captions of the printed and exported pages and the document's title, in a language.
#include <array>
#include <string>
#include <string_view>

#include "base/tables.h"
#include "profile/language_texts.h"

namespace kalodaya {

struct PageCaptions {
    std::string_view heading;                          // "Significance of Ghati Lagna"
    std::string_view headingLine;                      // what the ghati lagna signifies
    std::string_view planetTable;                      // "Vedic Planetary Position"
    std::array<std::string_view, kBodyCount> planets;  // "Surya/Sun" .. "Asc/Lagna"
    std::string_view details;                          // "Your Details"
    // "Date of Birth :", "Time of Birth :", "Time Zone :", "Latitude :", "Longitude :",
    // "City :", "State :", "Country :".
    std::string_view dateOfBirth, timeOfBirth, timeZone, latitude, longitude, city, state, country;
    std::string_view sunriseCaption;    // "Sunrise and Ghati Lagna"
    std::string_view sunrise;           // "Sunrise :"
    std::string_view referenceSunrise;  // "Reference Sunrise :"
    std::string_view profile;           // "Ghati Lagna Details"
    std::string_view pageNumber;        // "Page %1", %1 the page's number
};

PageCaptions PresentPageCaptions(Language language);

// "August 15, 1990, 10:30:00": the birth's date and clock time on the pages.
std::string PageBirthMoment(std::string_view date, std::string_view clock, Language language);

// "Ghati lagna chart of RAMA, born August 15, 1990 at 10:30:00 in New Delhi (28° 39' N,
// 77° 13' E)": without " of ..." when `name` is empty, without " in ..." when `place` is.
std::string PageDocumentTitle(std::string_view name, std::string_view date, std::string_view clock,
                              std::string_view place, std::string_view latitude,
                              std::string_view longitude, Language language);

}  // namespace kalodaya
