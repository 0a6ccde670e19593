#include "chart/chart_layout.h"

#include <algorithm>
#include <functional>

namespace kalodaya {
namespace {

// The squares' cells are drawn from one shape each, moved to its place by the square's own
// symmetries; a rectangle moved so stays upright.
using Move = std::function<UnitPoint(UnitPoint)>;
const Move kSame = [](UnitPoint p) { return p; };
const Move kSwap = [](UnitPoint p) { return UnitPoint{p.y, p.x}; };  // about the main diagonal
const Move kFlipX = [](UnitPoint p) { return UnitPoint{1 - p.x, p.y}; };
const Move kFlipY = [](UnitPoint p) { return UnitPoint{p.x, 1 - p.y}; };

Move Then(Move first, Move second) {
    return [first, second](UnitPoint p) { return second(first(p)); };
}

UnitRect Moved(const UnitRect& r, const Move& move) {
    const UnitPoint a = move({r.x, r.y}), b = move({r.Right(), r.Bottom()});
    const double left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    return {left, top, std::max(a.x, b.x) - left, std::max(a.y, b.y) - top};
}

std::vector<UnitPoint> Moved(const std::vector<UnitPoint>& outline, const Move& move) {
    std::vector<UnitPoint> moved;
    for (const UnitPoint& p : outline) moved.push_back(move(p));
    return moved;
}

// A cell's geometry: its outline, where its texts go and where its number goes.
struct Shape {
    std::vector<UnitPoint> outline;
    UnitRect textBox, numberBox;

    Shape MovedBy(const Move& move) const {
        return {Moved(outline, move), Moved(textBox, move), Moved(numberBox, move)};
    }
};

// Width and height of a cell's number.
constexpr double kNumberWidth = 0.05, kNumberHeight = 0.04;

// --- South Indian: a 4 x 4 square, the signs fixed, Pisces top left, running clockwise. ---

struct GridPlace {
    int row, column;
};
constexpr std::array<GridPlace, kSignCount> kSouthPlaces = {{
    {0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3}, {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0},
}};

// A square cell: the number in its top right corner, the texts below it.
Shape SquareCell(double left, double top, double side) {
    Shape s;
    s.outline = {{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}};
    s.numberBox = {left + side - kNumberWidth - 0.01, top + 0.008, kNumberWidth, kNumberHeight};
    s.textBox = {left + 0.012, top + 0.052, side - 0.024, side - 0.064};
    return s;
}

Shape SouthShape(int sign) {
    const GridPlace place = kSouthPlaces[sign];
    return SquareCell(place.column * 0.25, place.row * 0.25, 0.25);
}

// --- North Indian: the houses fixed in a diamond, the first at the top, counter-clockwise. ---

// House 1, the rhombus at the top; its number next to its lowest corner, the chart's middle.
Shape NorthTopRhombus() {
    Shape s;
    s.outline = {{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}};
    s.numberBox = {0.5 - kNumberWidth / 2, 0.43 - kNumberHeight / 2, kNumberWidth, kNumberHeight};
    return s;
}
// House 2, the triangle on the top edge's left half; its number next to its lowest corner.
Shape NorthTopTriangle() {
    Shape s;
    s.outline = {{0, 0}, {0.5, 0}, {0.25, 0.25}};
    s.textBox = {0.12, 0.01, 0.26, 0.10};
    s.numberBox = {0.25 - kNumberWidth / 2, 0.17 - kNumberHeight / 2, kNumberWidth, kNumberHeight};
    return s;
}
// House 3, the triangle on the left edge's upper half: text runs across, so its box is not
// house 2's turned.
Shape NorthSideTriangle() {
    Shape s;
    s.outline = {{0, 0}, {0.25, 0.25}, {0, 0.5}};
    s.textBox = {0.01, 0.155, 0.13, 0.19};
    s.numberBox = {0.19 - kNumberHeight / 2, 0.25 - kNumberWidth / 2, kNumberHeight, kNumberWidth};
    return s;
}
// Every rhombus keeps a wide text box about its middle.
Shape WithRhombusText(Shape s) {
    UnitPoint middle{0, 0};
    for (const UnitPoint& p : s.outline) middle = {middle.x + p.x / 4, middle.y + p.y / 4};
    s.textBox = {middle.x - 0.14, middle.y - 0.10, 0.28, 0.20};
    return s;
}

Shape NorthShape(int house) {
    const Move swapFlipX = Then(kSwap, kFlipX);
    switch (house) {
        case 1: return WithRhombusText(NorthTopRhombus());
        case 4: return WithRhombusText(NorthTopRhombus().MovedBy(kSwap));
        case 7: return WithRhombusText(NorthTopRhombus().MovedBy(kFlipY));
        case 10: return WithRhombusText(NorthTopRhombus().MovedBy(swapFlipX));
        case 2: return NorthTopTriangle();
        case 6: return NorthTopTriangle().MovedBy(kFlipY);
        case 8: return NorthTopTriangle().MovedBy(Then(kFlipY, kFlipX));
        case 12: return NorthTopTriangle().MovedBy(kFlipX);
        case 3: return NorthSideTriangle();
        case 5: return NorthSideTriangle().MovedBy(kFlipY);
        case 9: return NorthSideTriangle().MovedBy(Then(kFlipY, kFlipX));
        default: return NorthSideTriangle().MovedBy(kFlipX);  // 11
    }
}

// --- East Indian: a 3 x 3 square, the signs fixed, Aries top middle, counter-clockwise; each
// corner square cut by its diagonal from the outer corner into two signs. ---

constexpr double kThird = 1.0 / 3;

// Taurus, the corner triangle on the top edge (right angle at the top middle square); its
// number in the right angle.
Shape EastTopTriangle() {
    Shape s;
    s.outline = {{0, 0}, {kThird, 0}, {kThird, kThird}};
    s.numberBox = {kThird - kNumberWidth - 0.01, 0.01, kNumberWidth, kNumberHeight};
    s.textBox = {0.14, 0.055, kThird - 0.01 - 0.14, 0.075};
    return s;
}
// Gemini, the corner triangle on the left edge (right angle at the left middle square).
Shape EastSideTriangle() {
    Shape s;
    s.outline = {{0, 0}, {kThird, kThird}, {0, kThird}};
    s.numberBox = {0.01, kThird - kNumberHeight - 0.01, kNumberWidth, kNumberHeight};
    s.textBox = {0.01, 0.20, 0.18, kThird - kNumberHeight - 0.015 - 0.20};
    return s;
}

Shape EastShape(int sign) {
    switch (sign) {
        case 0: return SquareCell(kThird, 0, kThird);
        case 3: return SquareCell(0, kThird, kThird);
        case 6: return SquareCell(kThird, 2 * kThird, kThird);
        case 9: return SquareCell(2 * kThird, kThird, kThird);
        case 1: return EastTopTriangle();
        case 2: return EastSideTriangle();
        case 4: return EastSideTriangle().MovedBy(kFlipY);
        case 5: return EastTopTriangle().MovedBy(kFlipY);
        case 7: return EastTopTriangle().MovedBy(Then(kFlipY, kFlipX));
        case 8: return EastSideTriangle().MovedBy(Then(kFlipY, kFlipX));
        case 10: return EastSideTriangle().MovedBy(kFlipX);
        default: return EastTopTriangle().MovedBy(kFlipX);  // 11
    }
}

// A display name without the blank that follows a retrograde mark ("Saturn (R) ").
std::string ItemText(std::string_view name) {
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return std::string(name);
}

}  // namespace

ChartLayout LayOutChart(const ChartResult& r, const ResultTexts& texts, ChartStyle style) {
    ChartLayout layout;
    layout.style = style;
    const int ascendantSign = r.bodySign[Asc] >= 0 ? r.bodySign[Asc] : 0;
    for (int house = 1; house <= kSignCount; ++house) {
        const int sign = SignInHouse(ascendantSign, house);
        LayoutCell& cell = layout.cells[sign];
        cell.sign = sign;
        cell.house = house;
        cell.number = std::to_string(sign + 1);
        Shape shape;
        switch (style) {
            case ChartStyle::South: shape = SouthShape(sign); break;
            case ChartStyle::North: shape = NorthShape(house); break;
            case ChartStyle::East: shape = EastShape(sign); break;
        }
        cell.outline = std::move(shape.outline);
        cell.textBox = shape.textBox;
        cell.numberBox = shape.numberBox;
        cell.blankMarkerLines = r.marks.arudha[sign];
    }
    for (int k = 0; k < kBodyCount; ++k) {
        const int sign = r.bodySign[k];
        if (sign < 0) continue;
        layout.cells[sign].items.push_back(
            {LayoutItem::Kind::Body, k, ItemText(texts.names[k])});
    }
    if (r.marks.ghatiLagnaSign >= 0 && r.marks.ghatiLagnaSign < kSignCount)
        layout.cells[r.marks.ghatiLagnaSign].items.push_back(
            {LayoutItem::Kind::Marker, -1, std::string(texts.ghatiLagnaMark)});
    switch (style) {
        case ChartStyle::South: layout.centre = UnitRect{0.25, 0.25, 0.5, 0.5}; break;
        case ChartStyle::East: layout.centre = UnitRect{kThird, kThird, kThird, kThird}; break;
        case ChartStyle::North: break;
    }
    return layout;
}

}  // namespace kalodaya
