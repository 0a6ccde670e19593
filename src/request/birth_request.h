#pragma once
// One birth asked for its chart, typed: what the entry form, kalodaya-chart's options, a
// request line, a saved record or an atlas place says of it, before the entry checks judge it
// (request/entry_checks.h). Numbers are numbers from the moment a source reads them; a box the
// form may leave empty is an empty optional, so that the checks say of it what the form says.
#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "astro/calculation_settings.h"
#include "astro/local_birth.h"
#include "base/date_time.h"
#include "base/entry_forms.h"
#include "request/atlas_place.h"
#include "request/chart_style.h"

namespace kalodaya {

// A position in the zone list (0 .. kZoneCount - 1, astro/zone_table.h).
struct ZoneListEntry {
    int position = 0;
    friend bool operator==(const ZoneListEntry&, const ZoneListEntry&) = default;
};
// An offset the list has no entry for (Nepal's +05:45, local mean time), as the atlas gives it
// or the user types it; the chart uses it to the nearest minute.
struct ExactOffset {
    int eastSeconds = 0;  // seconds east of Greenwich

    // The offset as the computation uses it: to the nearest minute (half a minute away from
    // zero), hours and minutes west.
    ZoneOffset ToTheMinute() const {
        const int minutes = static_cast<int>(std::lround(eastSeconds / 60.0));
        return {-minutes / 60, -minutes % 60};
    }
    friend bool operator==(const ExactOffset&, const ExactOffset&) = default;
};
// No zone selected: the checks ask for one.
struct NoZone {
    friend bool operator==(const NoZone&, const NoZone&) = default;
};
using ZoneSelection = std::variant<ZoneListEntry, ExactOffset, NoZone>;

// A range of birth times asked for beside the chart: clock times in the request's own zone and
// daylight box, both held.
struct BirthTimeRange {
    DateTime from, to;
    friend bool operator==(const BirthTimeRange&, const BirthTimeRange&) = default;
};

struct BirthRequest {
    std::string name;  // as the name box holds it (letters A to Z and blanks), not trimmed
    // The date and clock time as the form's lists hold them (the form's defaults: 1 January
    // 1901, 00:00:00). A month outside 1..12 is a list with nothing selected.
    int year = 1901, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    Latitude latitude;
    Longitude longitude;
    ZoneSelection zone = ZoneListEntry{0};
    bool daylight = false;  // the daylight saving box
    std::string city, state, country;  // as typed
    // Set while the place came from the atlas: the chart reports it as its "place".
    std::optional<AtlasPlace> atlasPlace;
    // How the chart is computed (ephemeris, ayanamsa, node, sunrise), read by the same readers
    // as the birth itself.
    CalculationSettings settings;
    // The drawing a source asked for (--chart-style, "chart_style"); nothing: the front end's
    // own choice, South Indian unless the user picked another.
    std::optional<ChartStyle> chartStyle;
    std::optional<BirthTimeRange> timeRange;  // the chart's spans over these times are asked for
    // How many minutes either side of the entered time the birth may have been: the front ends
    // show the chart's intervals over that span (an explicit timeRange takes precedence). 0: the
    // time is taken as exact.
    int uncertaintyMinutes = 0;

    friend bool operator==(const BirthRequest&, const BirthRequest&) = default;
};

}  // namespace kalodaya
