#pragma once
// The chart as one region draws it, described without pixels: the twelve cells (houses) as
// polygons in a unit square with the texts each holds. Every drawing of a chart (the window,
// the printed page, the image, the web page's SVG) draws this description and nothing else,
// so the styles show the same content wherever they are drawn.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/tables.h"
#include "chart/chart_result.h"
#include "chart/result_texts.h"
#include "request/chart_style.h"

namespace kalodaya {

// A point of the unit square: x to the right, y downwards, both 0..1.
struct UnitPoint {
    double x = 0, y = 0;
    friend bool operator==(const UnitPoint&, const UnitPoint&) = default;
};

// An upright rectangle of the unit square.
struct UnitRect {
    double x = 0, y = 0, width = 0, height = 0;
    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
    friend bool operator==(const UnitRect&, const UnitRect&) = default;
};

// One text a cell holds: a body (Present's display name, with its retrograde mark) or a
// marker. Markers that show no text (the arudha padas' and hidden lagnas' empty lines) are
// left out: they have nothing to draw.
struct LayoutItem {
    enum class Kind { Body, Marker } kind = Kind::Body;
    int body = -1;     // Body: the body index (the ascendant is Asc); -1 for a marker
    std::string text;  // "Saturn (R)", "Asc", "GL"
};

struct LayoutCell {
    int sign = 0;   // the sign whose bodies and markers the cell holds, 0..11
    int house = 0;  // 1..12, counted from the ascendant's sign
    std::vector<UnitPoint> outline;  // a convex polygon, corners in drawing order
    UnitRect textBox;                // the items go inside it, wrapped or made smaller
    std::string number;              // the sign's number, "1" for Aries
    UnitRect numberBox;              // inside the outline and apart from textBox
    std::vector<LayoutItem> items;   // the bodies in body order, then the markers
    // The arudha padas' marks, which show no text but take a line each above the cell's
    // markers: the South Indian chart keeps "GL" at its line under them.
    int blankMarkerLines = 0;
};

struct ChartLayout {
    ChartStyle style = ChartStyle::South;
    std::array<LayoutCell, kSignCount> cells;  // by sign index: cells[s].sign == s
    // Room the cells leave free for whose chart it is (the squares' middle); none in the
    // North Indian diamond, whose middle is the meeting of four houses.
    std::optional<UnitRect> centre;
};

// The layout of a computed chart (polar or not) in `style`, from its numbers (the sign of each
// body and marker) and Present's texts (the bodies' display names). The first house is the
// ascendant's sign, Aries when its position text names no sign.
ChartLayout LayOutChart(const ChartResult& result, const ResultTexts& texts, ChartStyle style);

// The sign in house `house` (1..12) of a chart whose ascendant is in `ascendantSign`.
constexpr int SignInHouse(int ascendantSign, int house) {
    return (ascendantSign + house - 1) % kSignCount;
}

}  // namespace kalodaya
