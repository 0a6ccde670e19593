#include "ui/print/chart_page_painter.h"

#include <algorithm>

#include "ui/chart_drawing/chart_drawing.h"
#include "ui/print/page_parts.h"
#include "ui/ui_style.h"

namespace kalodaya::ui::print {
namespace {

constexpr double kGap = 12, kColumnGap = 18;
constexpr double kChartPadding = 8;
constexpr double kDetailRow = 14, kPlanetRow = 15.5, kSectionGap = 8;
constexpr double kPlanetBoxWidth = 78;

double CaptionHeight(const PageCanvas& canvas) {
    return canvas.LineHeight(canvas.Font(10, true)) + 4;
}

double NameHeight(const PageCanvas& canvas) { return canvas.LineHeight(canvas.Font(10.5, true)) + 4; }

double LowerSectionHeight(const PageCanvas& canvas, const ChartPageTexts& t) {
    const double caption = CaptionHeight(canvas);
    const double details = caption + NameHeight(canvas) + kDetailRow * t.birthDetails.size() +
                           kSectionGap + caption + kDetailRow * t.sunRows.size();
    const double planets = caption + kPlanetRow * kPagePlanetCount;
    return std::max(details, planets);
}

// The centre's texts: whose chart this is.
void PaintCentre(PageCanvas& canvas, const QRectF& centre, const ChartPageTexts& t);

// The chart in the page's style, drawn from its layout as the window draws it, with the page's
// faces; its middle (where the style leaves one) holds whose chart it is.
void PaintChart(PageCanvas& canvas, const QRectF& frame, const ChartPageTexts& t) {
    canvas.Fill(frame, kSlate);
    const QRectF inner =
        frame.adjusted(kChartPadding, kChartPadding, -kChartPadding, -kChartPadding);
    const ChartLayout& layout = t.layouts[static_cast<int>(t.chartStyle)];
    const QRectF square = ChartSquare(canvas.DeviceRect(inner), t.chartStyle);
    const ChartFonts fonts{canvas.Font(10), canvas.Font(10, true), canvas.MonoFont(9, true), 5,
                           canvas.DeviceRect(QRectF(0, 0, 0.8, 0.8)).width()};
    DrawChartLayout(canvas.Painter(), square, layout,
                    {kSlate, Qt::white, Qt::white, kCyan, Qt::white}, fonts);
    if (!layout.centre) return;
    // Back from device pixels to the page's points for the centre's texts.
    const QRectF unit = ChartSquare(inner, t.chartStyle);
    PaintCentre(canvas, MapUnitRect(unit, *layout.centre), t);
}

void PaintCentre(PageCanvas& canvas, const QRectF& centre, const ChartPageTexts& t) {
    const QRectF inner = centre.adjusted(10, 10, -10, -10);
    const QFont nameFont = canvas.FittedFont(Q(t.name), canvas.Font(15, true),
                                             QSizeF(inner.width(), 24), false, 8);
    const QFont lineFont = canvas.Font(9);
    const double nameHeight = canvas.LineHeight(nameFont);
    const double placeHeight = t.place.empty() ? 0 : canvas.TextHeight(Q(t.place), lineFont, inner.width());
    const double blockHeight = nameHeight + 4 + canvas.LineHeight(lineFont) + placeHeight;
    double y = inner.center().y() - blockHeight / 2;
    canvas.Text(QRectF(inner.left(), y, inner.width(), nameHeight), Q(t.name), nameFont, Qt::white,
                Qt::AlignHCenter | Qt::AlignTop);
    y += nameHeight + 4;
    canvas.Text(QRectF(inner.left(), y, inner.width(), canvas.LineHeight(lineFont)),
                Q(t.birthMoment), lineFont, Qt::white, Qt::AlignHCenter | Qt::AlignTop);
    y += canvas.LineHeight(lineFont);
    if (!t.place.empty())
        canvas.Text(QRectF(inner.left(), y, inner.width(), placeHeight), Q(t.place), lineFont,
                    Qt::white, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
}

QFont RowLabelFont(const PageCanvas& canvas) { return canvas.Font(8.5); }

// Caption and value rows, the values starting `labelWidth` from the column's left edge.
double PaintRows(PageCanvas& canvas, const QRectF& column, double top, double labelWidth,
                 const std::vector<const LabelledText*>& rows) {
    const QFont labelFont = RowLabelFont(canvas), valueFont = canvas.Font(8.5, true);
    for (const LabelledText* row : rows) {
        canvas.Text(QRectF(column.left(), top, labelWidth, kDetailRow), Q(row->label), labelFont,
                    kLavender, Qt::AlignLeft | Qt::AlignVCenter);
        const QSizeF valueBox(column.width() - labelWidth, kDetailRow);
        const QString value = Q(row->text);
        canvas.Text(QRectF(QPointF(column.left() + labelWidth, top), valueBox), value,
                    canvas.FittedFont(value, valueFont, valueBox, false, 6), kSlate,
                    Qt::AlignLeft | Qt::AlignVCenter);
        top += kDetailRow;
    }
    return top;
}

void PaintDetails(PageCanvas& canvas, const QRectF& column, const ChartPageTexts& t) {
    double top = PaintCaption(canvas, column, column.top(), Q(t.detailsCaption));
    const QFont nameFont = canvas.Font(10.5, true);
    canvas.Text(QRectF(column.left(), top, column.width(), NameHeight(canvas)), Q(t.name),
                canvas.FittedFont(Q(t.name), nameFont, QSizeF(column.width(), NameHeight(canvas)),
                                  false, 7),
                kLavender, Qt::AlignLeft | Qt::AlignVCenter);
    top += NameHeight(canvas);
    std::vector<const LabelledText*> details;
    for (const LabelledText& row : t.birthDetails) details.push_back(&row);
    std::vector<const LabelledText*> sun;
    for (const LabelledText& row : t.sunRows) sun.push_back(&row);
    // One value column for both sections: the captions' column is as wide as the widest.
    double labelWidth = 0;
    for (const auto* rows : {&details, &sun})
        for (const LabelledText* row : *rows)
            labelWidth = std::max(labelWidth, canvas.TextWidth(Q(row->label), RowLabelFont(canvas)));
    labelWidth += 6;

    top = PaintRows(canvas, column, top, labelWidth, details);
    top = PaintCaption(canvas, column, top + kSectionGap, Q(t.sunriseCaption));
    PaintRows(canvas, column, top, labelWidth, sun);
}

void PaintPlanetTable(PageCanvas& canvas, const QRectF& column, const ChartPageTexts& t) {
    double top = PaintCaption(canvas, column, column.top(), Q(t.planetTableCaption));
    const QFont labelFont = canvas.Font(8.5, true), valueFont = canvas.Font(9.5);
    for (const LabelledText& row : t.planets) {
        const QRectF box(column.right() - kPlanetBoxWidth, top + 1, kPlanetBoxWidth, kPlanetRow - 2);
        canvas.Text(QRectF(column.left(), top, box.left() - column.left() - 4, kPlanetRow),
                    Q(row.label), labelFont, kLavender, Qt::AlignLeft | Qt::AlignVCenter);
        canvas.Fill(box, kSlate);
        canvas.Text(box.adjusted(5, 0, -3, 0), Q(row.text), valueFont, Qt::white,
                    Qt::AlignLeft | Qt::AlignVCenter);
        top += kPlanetRow;
    }
}

constexpr double kNoteGap = 2, kRangeRow = 11;

QFont NoteFont(const PageCanvas& canvas) { return canvas.Font(8); }

// The notes under the chart: the windows, the classic ghati lagna and the clock notes, each a
// paragraph wrapped to the page's width.
double NotesHeight(const PageCanvas& canvas, const ChartPageTexts& t, double width) {
    if (t.notes.empty()) return 0;
    double height = CaptionHeight(canvas) + 4;
    for (const std::string& note : t.notes)
        height += canvas.TextHeight(Q(note), NoteFont(canvas), width) + kNoteGap;
    return height;
}

double PaintNotes(PageCanvas& canvas, const QRectF& area, const ChartPageTexts& t) {
    if (t.notes.empty()) return area.top();
    double top = PaintCaption(canvas, area, area.top(), Q(t.notesCaption));
    for (const std::string& note : t.notes) {
        const double height = canvas.TextHeight(Q(note), NoteFont(canvas), area.width());
        canvas.Text(QRectF(area.left(), top, area.width(), height), Q(note), NoteFont(canvas),
                    kSlate);
        top += height + kNoteGap;
    }
    return top;
}

// The range's table: a caption, the column heads and one row per span, the entered time's
// span on a light yellow ground.
double RangeHeight(const PageCanvas& canvas, const ChartPageTexts& t) {
    if (t.rangeCaption.empty()) return 0;
    const double rows = t.rangeRows.empty() ? 0 : (t.rangeRows.size() + 1) * kRangeRow;
    return CaptionHeight(canvas) + 4 + rows;
}

void PaintRange(PageCanvas& canvas, const QRectF& area, const ChartPageTexts& t) {
    if (t.rangeCaption.empty()) return;
    double top = PaintCaption(canvas, area, area.top(), Q(t.rangeCaption));
    if (t.rangeRows.empty()) return;
    const int columns = static_cast<int>(t.rangeHeads.size());
    const double width = area.width() / columns;
    const QFont head = canvas.Font(8, true), cell = canvas.Font(8);
    for (int c = 0; c < columns; ++c)
        canvas.Text(QRectF(area.left() + c * width, top, width, kRangeRow), Q(t.rangeHeads[c]),
                    head, kLavender, Qt::AlignLeft | Qt::AlignVCenter);
    top += kRangeRow;
    for (int r = 0; r < static_cast<int>(t.rangeRows.size()); ++r) {
        const bool birth = r == t.rangeBirthRow;
        if (birth) canvas.Fill(QRectF(area.left(), top, area.width(), kRangeRow), kLightYellow);
        for (int c = 0; c < columns && c < static_cast<int>(t.rangeRows[r].size()); ++c)
            canvas.Text(QRectF(area.left() + c * width, top, width, kRangeRow),
                        Q(t.rangeRows[r][c]), birth ? head : cell, kSlate,
                        Qt::AlignLeft | Qt::AlignVCenter);
        top += kRangeRow;
    }
}

}  // namespace

void PaintChartPage(PageCanvas& canvas, const ChartPageTexts& t) {
    const QRectF content = ContentRect(canvas);
    const double top =
        PaintHeaderBand(canvas, content, Q(t.heading), Q(t.headingLine), t) + kGap;
    const double lower = LowerSectionHeight(canvas, t);
    const double notes = NotesHeight(canvas, t, content.width());
    const double range = RangeHeight(canvas, t);
    const double below = lower + (notes > 0 ? kGap + notes : 0) + (range > 0 ? kGap + range : 0);
    const QRectF chart(content.left(), top, content.width(),
                       std::max(120.0, content.bottom() - kGap - below - top));
    PaintChart(canvas, chart, t);

    const double columnWidth = (content.width() - kColumnGap) / 2;
    const QRectF left(content.left(), chart.bottom() + kGap, columnWidth, lower);
    PaintDetails(canvas, left, t);
    PaintPlanetTable(canvas, left.translated(columnWidth + kColumnGap, 0), t);
    double next = left.bottom();
    if (notes > 0)
        next = PaintNotes(canvas, QRectF(content.left(), next + kGap, content.width(), notes), t);
    if (range > 0) PaintRange(canvas, QRectF(content.left(), next + kGap, content.width(), range), t);
    PaintFooter(canvas, content, t, 1);
}

}  // namespace kalodaya::ui::print
