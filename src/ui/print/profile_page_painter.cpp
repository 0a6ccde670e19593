#include "ui/print/profile_page_painter.h"

#include <algorithm>

#include "ui/print/page_parts.h"
#include "ui/ui_style.h"

namespace kalodaya::ui::print {
namespace {

constexpr double kGap = 12, kPanelPadding = 10, kColumnGap = 16, kRowGap = 3;
constexpr double kTextGap = 10, kHeadingGap = 3;
const QColor kBodyText(20, 20, 20);

struct FactColumn {
    std::vector<const LabelledText*> facts;
    double labelWidth = 0;
};

// The facts in two columns, reading down the left one first.
std::array<FactColumn, 2> SplitFacts(PageCanvas& canvas, const ChartPageTexts& t,
                                     const QFont& labelFont) {
    std::array<FactColumn, 2> columns;
    const std::size_t half = (t.profileFields.size() + 1) / 2;
    for (std::size_t i = 0; i < t.profileFields.size(); ++i)
        columns[i < half ? 0 : 1].facts.push_back(&t.profileFields[i]);
    for (FactColumn& column : columns)
        for (const LabelledText* fact : column.facts)
            column.labelWidth =
                std::max(column.labelWidth, canvas.TextWidth(Q(fact->label), labelFont) + 8);
    return columns;
}

double FactHeight(PageCanvas& canvas, const LabelledText& fact, const QFont& labelFont,
                  const QFont& valueFont, double valueWidth) {
    return std::max(canvas.LineHeight(labelFont),
                    canvas.TextHeight(Q(fact.text), valueFont, valueWidth)) +
           kRowGap;
}

// The facts on a slate panel as the details page shows them; returns the panel's bottom edge.
double PaintFacts(PageCanvas& canvas, const QRectF& content, double top, const ChartPageTexts& t) {
    const QFont labelFont = canvas.Font(8.5, true), valueFont = canvas.Font(9);
    const std::array<FactColumn, 2> columns = SplitFacts(canvas, t, labelFont);
    const double columnWidth = (content.width() - 2 * kPanelPadding - kColumnGap) / 2;

    double height = 0;
    for (const FactColumn& column : columns) {
        double sum = 0;
        for (const LabelledText* fact : column.facts)
            sum += FactHeight(canvas, *fact, labelFont, valueFont, columnWidth - column.labelWidth);
        height = std::max(height, sum);
    }
    const QRectF panel(content.left(), top, content.width(), height + 2 * kPanelPadding - kRowGap);
    canvas.Fill(panel, kSlate);

    for (int c = 0; c < 2; ++c) {
        const FactColumn& column = columns[c];
        const double left = panel.left() + kPanelPadding + c * (columnWidth + kColumnGap);
        const double valueWidth = columnWidth - column.labelWidth;
        double y = panel.top() + kPanelPadding;
        for (const LabelledText* fact : column.facts) {
            const double rowHeight = FactHeight(canvas, *fact, labelFont, valueFont, valueWidth);
            canvas.Text(QRectF(left, y, column.labelWidth, rowHeight), Q(fact->label), labelFont,
                        kCyan, Qt::AlignLeft | Qt::AlignTop);
            canvas.Text(QRectF(left + column.labelWidth, y, valueWidth, rowHeight), Q(fact->text),
                        valueFont, Qt::white, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
            y += rowHeight;
        }
    }
    return panel.bottom();
}

}  // namespace

int PaintProfilePages(PageCanvas& canvas, const ChartPageTexts& t, int pageNumber,
                      const std::function<bool()>& newPage) {
    const QRectF content = ContentRect(canvas);
    QString line = Q(t.name);
    if (!line.isEmpty()) line += QStringLiteral(", ");
    line += Q(t.birthMoment);
    double y = PaintHeaderBand(canvas, content, Q(t.profileCaption), line, t) + kGap;
    y = PaintFacts(canvas, content, y, t) + kGap;

    int pages = 1;
    const QFont headingFont = canvas.Font(11, true), bodyFont = canvas.Font(10);
    const double headingHeight = canvas.LineHeight(headingFont);
    for (const LabelledText& text : t.profileTexts) {
        const QString body = Q(text.text);
        const double bodyHeight = canvas.TextHeight(body, bodyFont, content.width());
        const double needed = headingHeight + kHeadingGap + bodyHeight;
        if (y + needed > content.bottom()) {
            PaintFooter(canvas, content, t, pageNumber + pages - 1);
            if (!newPage()) return pages;
            ++pages;
            y = PaintHeaderBand(canvas, content, Q(t.profileCaption), line, t) + kGap;
        }
        canvas.Text(QRectF(content.left(), y, content.width(), headingHeight), Q(text.label),
                    headingFont, kSlate, Qt::AlignLeft | Qt::AlignTop);
        y += headingHeight;
        canvas.Line(QPointF(content.left(), y), QPointF(content.right(), y), kLavender, 0.5);
        y += kHeadingGap;
        canvas.Text(QRectF(content.left(), y, content.width(), bodyHeight + 1), body, bodyFont,
                    kBodyText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        y += bodyHeight + kTextGap;
    }
    PaintFooter(canvas, content, t, pageNumber + pages - 1);
    return pages;
}

}  // namespace kalodaya::ui::print
