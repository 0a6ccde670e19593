#include "core/rendering.h"

#include "core/text_convert.h"

namespace kalodaya {

namespace {
constexpr std::string_view kDegreeBlank = "\xC2\xB0 ";  // U+00B0 and a blank
constexpr std::string_view kLineBreak = "\r\n";
}  // namespace

void AppendMarker(ResultTexts& view, int cell, std::string_view text) {
    if (cell < 0 || cell >= kSignCount) return;
    view.markers[cell].append(kLineBreak).append(text);
}

void RenderFirst(AppState& state, const Entries& entries) {
    ResultTexts& view = state.view;
    const BirthData& b = state.birth;
    view.planet = state.chart.PlanetPosText;
    for (auto& cell : view.signCells) cell.clear();

    BirthDetailsTexts& d = view.details;
    d.name = b.BirthName;
    if (b.BirthMonth >= 1 && b.BirthMonth <= 12)
        d.dob = std::string(kMonthNames[b.BirthMonth - 1]) + "/" + IntText(b.BirthDay) + "/" +
                IntText(b.BirthYear);
    d.tob = IntText(b.BirthHour) + ":" + IntText(b.BirthMinute);
    d.latitude = IntText(b.LatDeg) + std::string(kDegreeBlank) + IntText(b.LatMin) + "'" +
                 (entries.north ? " N" : " S");
    d.longitude = IntText(b.LonDeg) + std::string(kDegreeBlank) + IntText(b.LonMin) + "'" +
                  (entries.east ? " E" : " W");
    d.city = entries.city;
    d.state = entries.state;
    d.country = entries.country;

    for (auto& marker : view.markers) marker.clear();
}

void RenderChartCells(AppState& state) {
    for (int k = 0; k < kBodyCount; ++k) {
        const auto sign = SignIndexOfPosition(state.chart.PlanetPosText[k]);
        if (!sign) continue;
        state.view.signCells[*sign].append(kLineBreak).append(state.chart.PlanetNames[k]);
    }
}

}  // namespace kalodaya
