#pragma once
// The South Indian chart drawn from its layout: the twelve fixed cells round the middle, each
// with its sign's number in the top right corner, the bodies one per line down its left side
// (under an empty first line beside the number) and the markers in a narrow column on the
// right, "GL" under the arudha padas' empty lines.
#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "ui/chart_drawing/chart_drawing.h"

class QPaintDevice;

namespace kalodaya::ui {

// Where a South Indian cell's texts go: the number's line and the two columns. The markers'
// column is its design share of the cell, wider where one of `markers` would not fit it even
// at the smallest size (Hindi "घ.ल." in a small chart): a mark is never cut, the bodies' column
// gives up the room (up to half the cell).
struct SouthCellBoxes {
    QRectF number, bodies, markers;
};
SouthCellBoxes SouthBoxes(const QRectF& cell, const ChartFonts& fonts, QPaintDevice* device,
                          const std::vector<QString>& markers = {});

// One column of texts as set: the size, the empty lines kept above the texts, and the lines
// (indexes into the texts; a text is never broken).
struct SouthColumnFit {
    double pointSize = 0;
    int emptyLines = 0;
    std::vector<std::vector<int>> lines;
    bool fits = false;
};
// The column at `font`'s size with its `emptyLines` when they fit `box`; else the empty lines
// are given up one by one (down to `keptEmptyLines`), then the size goes down to
// `smallestPoints`, one text per line; then several texts share a line at the largest size
// that takes them. What still does not fit is cut at the box when drawn.
SouthColumnFit FitSouthColumn(const std::vector<QString>& texts, int emptyLines, const QFont& font,
                              const QSizeF& box, double smallestPoints, QPaintDevice* device,
                              int keptEmptyLines = 0);

void DrawSouthChart(QPainter& painter, const QRectF& square, const ChartLayout& layout,
                    const ChartColours& colours, const ChartFonts& fonts);

}  // namespace kalodaya::ui
