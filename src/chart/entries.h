#pragma once
// A plain copy of what the entry form holds at the moment of a request.
#include <optional>
#include <string>

#include "astro/local_birth.h"
#include "chart/atlas_place.h"

namespace kalodaya {

struct Entries {
    std::string name;           // txtName
    int monthIndex = 0;         // cboMonth position, 0 = January; -1 when nothing is selected
    std::string dayText = "1";  // cboDate, cboYear, cboHH, cboMM, cboSS list texts
    std::string yearText = "1901";
    std::string hourText = "0";
    std::string minuteText = "0";
    std::string secondText = "0";
    std::string latDegText, latMinText;  // txtLatD, txtLatM
    std::string lonDegText, lonMinText;  // txtLonD, txtLonM
    bool north = true;                   // optLat(0) selected
    bool east = true;                    // optLong(0) selected
    bool dst = false;                    // chkDST
    int zoneIndex = 0;                   // cmbTimeZone position, -1 when nothing is selected
    // An exact offset the atlas found for the birth moment (the zone list's extra entry), used
    // instead of the list position when set.
    std::optional<ZoneOffset> exactZone;
    std::string city, state, country;  // txtMCity, txtMState, txtMCountry
    // Set while the place came from the atlas (the chart's place record); see
    // chart/place_entries.h.
    std::optional<AtlasPlace> atlasPlace;
};

}  // namespace kalodaya
