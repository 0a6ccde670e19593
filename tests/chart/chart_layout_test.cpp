// The chart styles' layouts: where each body and marker goes, checked on the description alone.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "chart/chart_layout.h"
#include "chart/chart_outcome.h"
#include "chart_test_support.h"

namespace kalodaya {
namespace {

constexpr std::array<ChartStyle, 3> kStyles = {ChartStyle::South, ChartStyle::North,
                                               ChartStyle::East};

UnitPoint Centroid(const LayoutCell& cell) {
    UnitPoint sum;
    for (const UnitPoint& p : cell.outline) sum = {sum.x + p.x, sum.y + p.y};
    const double n = static_cast<double>(cell.outline.size());
    return {sum.x / n, sum.y / n};
}

// Inside or on the edge of a convex polygon, whichever way round its corners run.
bool Inside(const std::vector<UnitPoint>& polygon, UnitPoint p) {
    int sides[2] = {0, 0};
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const UnitPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        if (cross > 1e-12) ++sides[0];
        if (cross < -1e-12) ++sides[1];
    }
    return sides[0] == 0 || sides[1] == 0;
}

bool RectInside(const std::vector<UnitPoint>& polygon, const UnitRect& r) {
    return Inside(polygon, {r.x, r.y}) && Inside(polygon, {r.Right(), r.y}) &&
           Inside(polygon, {r.x, r.Bottom()}) && Inside(polygon, {r.Right(), r.Bottom()});
}

bool Overlap(const UnitRect& a, const UnitRect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

double Area(const std::vector<UnitPoint>& polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const UnitPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

// The direction of a point from the chart's middle, degrees counter-clockwise from the right
// as the eye sees it (y runs downwards), 0..360.
double Direction(UnitPoint p) {
    const double degrees = std::atan2(0.5 - p.y, p.x - 0.5) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

double AngleApart(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// Where a sign's cell must lie in each style, said the way a reader of the chart says it.
void ExpectCellPlace(ChartStyle style, const LayoutCell& cell, int ascendantSign) {
    const UnitPoint middle = Centroid(cell);
    switch (style) {
        case ChartStyle::South: {
            // Round the rim clockwise from the top left corner: Pisces, Aries, Taurus, ...
            static constexpr std::array<std::array<int, 2>, 12> kRim = {{
                {0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3},
                {3, 3}, {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}}};
            const auto [row, column] = kRim[(cell.sign + 1) % 12];
            EXPECT_EQ(static_cast<int>(middle.y * 4), row) << "sign " << cell.sign;
            EXPECT_EQ(static_cast<int>(middle.x * 4), column) << "sign " << cell.sign;
            break;
        }
        case ChartStyle::North: {
            // The ascendant's house at the top, each next house a twelfth further round to the
            // left; the house shows its sign's number.
            const int house = (cell.sign - ascendantSign + 12) % 12 + 1;
            EXPECT_EQ(cell.house, house);
            EXPECT_LT(AngleApart(Direction(middle), 90 + 30.0 * (house - 1)), 8)
                << "sign " << cell.sign << " house " << house;
            EXPECT_EQ(cell.number, std::to_string(cell.sign + 1));
            break;
        }
        case ChartStyle::East:
            // Aries at the top middle, the signs running round to the left whatever rises.
            EXPECT_LT(AngleApart(Direction(middle), 90 + 30.0 * cell.sign), 8)
                << "sign " << cell.sign;
            break;
    }
}

// Random births across the form's range, with the zone list's entries.
BirthRequest RandomRequest(std::mt19937& random) {
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    BirthRequest r;
    r.name = "TEST";
    r.year = pick(1901, 2050);
    r.month = pick(1, 12);
    r.day = pick(1, 28);
    r.hour = pick(0, 23);
    r.minute = pick(0, 59);
    r.second = pick(0, 59);
    r.latitude = {pick(0, 66), pick(0, 59), pick(0, 1) == 1};
    r.longitude = {pick(0, 179), pick(0, 59), pick(0, 1) == 1};
    r.zone = ZoneListEntry{pick(0, 70)};
    return r;
}

TEST(ChartLayout, EveryBodyAndMarkerInTheCellItsSignGivesInEveryStyle) {
    std::mt19937 random(20261208);
    int charts = 0;
    for (int n = 0; n < 60; ++n) {
        const ChartOutcome outcome = RequestChart(RandomRequest(random));
        if (outcome.failure) continue;
        ++charts;
        const ChartResult& r = outcome.result;
        const int ascendantSign = r.bodySign[Asc] >= 0 ? r.bodySign[Asc] : 0;
        for (const ChartStyle style : kStyles) {
            SCOPED_TRACE(std::string(NameOfChartStyle(style)) + " chart " + std::to_string(n));
            const ChartLayout layout = LayOutChart(r, outcome.texts, style);
            std::array<int, kBodyCount> seen{};
            int markers = 0;
            for (const LayoutCell& cell : layout.cells) {
                ExpectCellPlace(style, cell, ascendantSign);
                for (const LayoutItem& item : cell.items) {
                    if (item.kind == LayoutItem::Kind::Marker) {
                        ++markers;
                        EXPECT_EQ(cell.sign, r.marks.ghatiLagnaSign);
                        EXPECT_EQ(item.text, "GL");
                        // "GL" at the line Present's marker text gives it, under the arudha
                        // padas' empty lines.
                        std::string column;
                        for (int i = 0; i <= cell.blankMarkerLines; ++i) column += "\r\n";
                        std::string present = outcome.texts.markers[cell.sign];
                        while (present.ends_with("\r\n")) present.resize(present.size() - 2);
                        EXPECT_EQ(column + item.text, present);
                        continue;
                    }
                    ++seen[item.body];
                    EXPECT_EQ(cell.sign, r.bodySign[item.body]) << "body " << item.body;
                    // Present's name, retrograde mark and all.
                    EXPECT_EQ(item.text + (r.retrograde[item.body] ? " " : ""),
                              outcome.texts.names[item.body]);
                }
            }
            for (int k = 0; k < kBodyCount; ++k)
                EXPECT_EQ(seen[k], r.bodySign[k] >= 0 ? 1 : 0) << "body " << k;
            EXPECT_EQ(markers, r.marks.ghatiLagnaSign >= 0 ? 1 : 0);
        }
    }
    EXPECT_GT(charts, 40);
}

TEST(ChartLayout, CellsTileTheSquareAndKeepTheirTextsInside) {
    ChartResult r;
    const ResultTexts texts;
    for (const ChartStyle style : kStyles) {
        for (int ascendant : {0, 5, 11}) {
            SCOPED_TRACE(std::string(NameOfChartStyle(style)) + " rising " +
                         std::to_string(ascendant));
            r.bodySign.fill(-1);
            r.bodySign[Asc] = ascendant;
            const ChartLayout layout = LayOutChart(r, texts, style);
            double area = layout.centre ? layout.centre->width * layout.centre->height : 0;
            std::array<bool, 13> houses{};
            for (const LayoutCell& cell : layout.cells) {
                area += Area(cell.outline);
                houses[cell.house] = true;
                EXPECT_TRUE(RectInside(cell.outline, cell.textBox)) << "sign " << cell.sign;
                EXPECT_TRUE(RectInside(cell.outline, cell.numberBox)) << "sign " << cell.sign;
                EXPECT_FALSE(Overlap(cell.textBox, cell.numberBox)) << "sign " << cell.sign;
                EXPECT_GT(cell.textBox.width * cell.textBox.height, 0.01) << "sign " << cell.sign;
                for (const LayoutCell& other : layout.cells) {
                    if (&other == &cell) continue;
                    EXPECT_FALSE(Inside(other.outline, Centroid(cell)))
                        << "sign " << cell.sign << " in " << other.sign;
                }
            }
            EXPECT_NEAR(area, 1.0, 1e-9);
            EXPECT_EQ(std::count(houses.begin() + 1, houses.end(), true), 12);
        }
    }
}

TEST(ChartLayout, WorkedExampleHousesAndMarks) {
    const ChartOutcome outcome = testing_support::Request(testing_support::WorkedExampleRequest());
    ASSERT_TRUE(outcome.Computed());
    const ChartResult& r = outcome.result;
    const ChartLayout north = LayOutChart(r, outcome.texts, ChartStyle::North);
    // The first house holds the ascendant and shows its sign's number.
    const LayoutCell& first = north.cells[r.bodySign[Asc]];
    EXPECT_EQ(first.house, 1);
    EXPECT_EQ(first.number, std::to_string(r.bodySign[Asc] + 1));
    bool ascendant = false;
    for (const LayoutItem& item : first.items) ascendant = ascendant || item.text == "Asc";
    EXPECT_TRUE(ascendant);
    // The marker follows the bodies of its cell.
    const LayoutCell& gl = north.cells[r.marks.ghatiLagnaSign];
    ASSERT_FALSE(gl.items.empty());
    EXPECT_EQ(gl.items.back().text, "GL");
}

}  // namespace
}  // namespace kalodaya
