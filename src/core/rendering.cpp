#include "core/rendering.h"

#include <charconv>

#include "core/text_convert.h"

namespace kalodaya {

namespace {
constexpr std::string_view kDegreeBlank = "\xC2\xB0 ";  // U+00B0 and a blank
constexpr std::string_view kLineBreak = "\r\n";

// A carriage return, a line feed and `text` after what `cell` holds.
void AppendLine(std::string& cell, std::string_view text) {
    cell.append(kLineBreak);
    if (!text.empty()) cell.append(text);
}

// Appends the plain decimal text of a number (IntText) without a temporary string.
std::string& AppendInt(std::string& out, long long value) {
    char buf[24];
    const char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return out.append(buf, static_cast<std::size_t>(end - buf));
}

// "28° 39' N": degrees, degree sign and blank, minutes, apostrophe, blank and hemisphere.
void CoordinateText(std::string& out, long long degrees, long long minutes, char hemisphere) {
    out.clear();
    AppendInt(out, degrees).append(kDegreeBlank);
    AppendInt(out, minutes).append("' ").push_back(hemisphere);
}

}  // namespace

void AppendMarker(ResultTexts& view, int cell, std::string_view text) {
    if (cell < 0 || cell >= kSignCount) return;
    AppendLine(view.markers[cell], text);
}

void RenderFirst(AppState& state, const Entries& entries) {
    ResultTexts& view = state.view;
    const BirthData& b = state.birth;
    view.planet = state.chart.PlanetPosText;
    for (auto& cell : view.signCells) cell.clear();

    BirthDetailsTexts& d = view.details;
    d.name = b.BirthName;
    if (b.BirthMonth >= 1 && b.BirthMonth <= 12) {
        d.dob.assign(kMonthNames[b.BirthMonth - 1]).push_back('/');
        AppendInt(d.dob, b.BirthDay).push_back('/');
        AppendInt(d.dob, b.BirthYear);
    }
    d.tob.clear();
    AppendInt(d.tob, b.BirthHour).push_back(':');
    AppendInt(d.tob, b.BirthMinute);
    CoordinateText(d.latitude, b.LatDeg, b.LatMin, entries.north ? 'N' : 'S');
    CoordinateText(d.longitude, b.LonDeg, b.LonMin, entries.east ? 'E' : 'W');
    d.city = entries.city;
    d.state = entries.state;
    d.country = entries.country;

    for (auto& marker : view.markers) marker.clear();
}

void RenderChartCells(AppState& state) {
    for (int k = 0; k < kBodyCount; ++k) {
        const int sign = SignIndexOfPositionOrNone(state.chart.PlanetPosText[k]);
        if (sign < 0) continue;
        AppendLine(state.view.signCells[sign], state.chart.PlanetNames[k]);
    }
}

}  // namespace kalodaya
