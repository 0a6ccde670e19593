#pragma once
// A chart layout (chart/chart_layout.h) drawn with a QPainter: the same routine draws the
// window's chart, the printed page's and the exported image's, in every style.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "chart/chart_layout.h"

class QPainter;
class QPaintDevice;

namespace kalodaya::ui {

struct ChartColours {
    QColor background, lines, bodies, markers, numbers;
};

// The faces of a chart's texts. The South Indian chart sets its texts at these sizes (made
// smaller down to `smallestPoints` where a cell needs it) and draws its lines `lineWidth`
// device pixels wide, as the window and the page always have; the North and East Indian
// charts take the markers' face and size everything from the chart's side.
struct ChartFonts {
    QFont bodies, markers, numbers;
    double smallestPoints = 6;
    double lineWidth = 1;
};

// The square the chart takes in `frame` (in the painter's coordinates): North and East Indian
// charts keep their squares square; the South Indian grid may widen a little.
QRectF ChartSquare(const QRectF& frame, ChartStyle style);

// `layout` drawn into `square`, each style by its own routine. Each cell's texts are made
// smaller or wrapped between items until they fit their box; at the smallest size they are
// cut at the box, never drawn across a neighbour.
void DrawChartLayout(QPainter& painter, const QRectF& square, const ChartLayout& layout,
                     const ChartColours& colours, const ChartFonts& fonts);

// A unit rectangle of the layout in the painter's coordinates.
QRectF MapUnitRect(const QRectF& square, const UnitRect& rect);

// How the texts of one cell are set: the font's pixel size, the lines, and whether they fit.
// Texts of the given widths set in order on lines of `lineWidth`, separated by `space`: a new
// line when the next text does not fit (or for every text with `onePerLine`). Indices per line.
std::vector<std::vector<int>> BreakIntoLines(const std::vector<double>& widths, double space,
                                             double lineWidth, bool onePerLine);

struct CellTextFit {
    double pixelSize = 0;
    // Each line holds whole items (an item is never broken), indexes into the cell's items.
    std::vector<std::vector<int>> lines;
    bool fits = false;
};
// The largest size from `largest` down to `smallest` at which the items fit `box` (device
// pixels of `painter`'s device), one per line where that fits, else several per line.
CellTextFit FitCellTexts(const LayoutCell& cell, const QRectF& box, const QString& fontFamily,
                         double largest, double smallest, QPaintDevice* device);

}  // namespace kalodaya::ui
