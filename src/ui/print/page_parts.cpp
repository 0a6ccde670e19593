#include "ui/print/page_parts.h"

#include "ui/product_config.h"
#include "ui/ui_style.h"

namespace kalodaya::ui::print {
namespace {

constexpr double kSideMargin = 40, kTopMargin = 36, kBottomMargin = 30;
constexpr double kFooterHeight = 16;
constexpr double kBandHeight = 66, kBandPadding = 12;
const QColor kFooterGrey(110, 110, 110);

}  // namespace

QString Q(const std::string& text) { return QString::fromStdString(text); }

QRectF ContentRect(const PageCanvas& canvas) {
    const QSizeF page = canvas.PageSize();
    return QRectF(kSideMargin, kTopMargin, page.width() - 2 * kSideMargin,
                  page.height() - kTopMargin - kBottomMargin - kFooterHeight);
}

double PaintHeaderBand(PageCanvas& canvas, const QRectF& content, const QString& title,
                       const QString& line, const ChartPageTexts& texts) {
    const QRectF band(content.left(), content.top(), content.width(), kBandHeight);
    canvas.Fill(band, kSlate);
    const QRectF inner = band.adjusted(kBandPadding, 8, -kBandPadding, -8);

    const QFont brandFont = canvas.Font(15, true);
    const double brandWidth = canvas.TextWidth(QStringLiteral("Kalodaya"), brandFont) + 4;
    canvas.Text(QRectF(inner.right() - brandWidth, inner.top() - 2, brandWidth, 22),
                QStringLiteral("Kalodaya"), brandFont, Qt::white, Qt::AlignRight | Qt::AlignTop);

    const double textWidth = inner.width() - brandWidth - 8;
    QFont titleFont = canvas.Font(11, true);
    titleFont.setUnderline(true);
    canvas.Text(QRectF(inner.left(), inner.top(), textWidth, 16), title, titleFont, kCyan,
                Qt::AlignLeft | Qt::AlignTop);
    const QFont lineFont =
        canvas.FittedFont(line, canvas.Font(8, true), QSizeF(inner.width(), 12), false, 6);
    canvas.Text(QRectF(inner.left(), inner.top() + 17, inner.width(), 12), line, lineFont,
                Qt::white, Qt::AlignLeft | Qt::AlignTop);

    const QFont captionFont = canvas.Font(10, true);
    const QString caption = Q(texts.signCaption);
    const double captionWidth = canvas.TextWidth(caption, captionFont) + 10;
    const QRectF signRow(inner.left(), inner.bottom() - 20, inner.width(), 20);
    canvas.Text(signRow, caption, captionFont, kCyan, Qt::AlignLeft | Qt::AlignVCenter);
    canvas.Text(signRow.adjusted(captionWidth, 0, 0, 0), Q(texts.ghatiLagnaSign),
                canvas.Font(13, true), kYellow, Qt::AlignLeft | Qt::AlignVCenter);
    return band.bottom();
}

void PaintFooter(PageCanvas& canvas, const QRectF& content, const ChartPageTexts& t,
                 int pageNumber) {
    const QRectF footer(content.left(), content.bottom() + 6, content.width(), kFooterHeight - 4);
    canvas.Line(QPointF(content.left(), footer.top() - 2), QPointF(content.right(), footer.top() - 2),
                kLavender, 0.5);
    const QFont font = canvas.Font(7.5);
    canvas.Text(footer, QStringLiteral("Kalodaya \u00B7 ") + config::kMakerSiteCaption, font,
                kFooterGrey, Qt::AlignLeft | Qt::AlignVCenter);
    canvas.Text(footer, Q(t.pageNumber).arg(pageNumber), font, kFooterGrey,
                Qt::AlignRight | Qt::AlignVCenter);
}

double PaintCaption(PageCanvas& canvas, const QRectF& column, double top, const QString& caption) {
    const QFont font = canvas.Font(10, true);
    const double height = canvas.LineHeight(font);
    canvas.Text(QRectF(column.left(), top, column.width(), height), caption, font, kLavender,
                Qt::AlignLeft | Qt::AlignTop);
    const double rule = top + height + 1;
    canvas.Line(QPointF(column.left(), rule), QPointF(column.right(), rule), kLavender, 0.75);
    return rule + 3;
}

}  // namespace kalodaya::ui::print
