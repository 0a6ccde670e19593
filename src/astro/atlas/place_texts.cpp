#include "astro/atlas/place_texts.h"

#include <cmath>
#include <cstdio>

namespace kalodaya::atlas {

DegreesMinutes RoundToMinute(double decimalDegrees) {
    const long totalMinutes = std::lround(std::abs(decimalDegrees) * 60.0);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
            decimalDegrees < 0 && totalMinutes != 0};
}

std::string PlaceListText(const Place& place) {
    const DegreesMinutes lat = RoundToMinute(place.latitude);
    const DegreesMinutes lon = RoundToMinute(place.longitude);
    char coordinates[64];
    std::snprintf(coordinates, sizeof coordinates, "%02d°%02d′ %c %d°%02d′ %c", lat.degrees,
                  lat.minutes, lat.negative ? 'S' : 'N', lon.degrees, lon.minutes,
                  lon.negative ? 'W' : 'E');
    std::string text(place.name);
    if (!place.state.empty()) text.append(", ").append(place.state);
    if (!place.country.empty()) text.append(", ").append(place.country);
    return text + " — " + coordinates + " — " + std::string(place.timeZone);
}

std::string_view ClockReadingText(ClockReading clock) {
    switch (clock) {
        case ClockReading::kSkipped:
            return "skipped";
        case ClockReading::kRepeated:
            return "repeated";
        case ClockReading::kOk:
            break;
    }
    return "ok";
}

}  // namespace kalodaya::atlas
