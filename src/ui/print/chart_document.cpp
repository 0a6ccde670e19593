#include "ui/print/chart_document.h"

#include <QBuffer>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <string_view>

#include "ui/print/chart_page_painter.h"
#include "ui/print/page_parts.h"
#include "ui/print/png_encoder.h"
#include "ui/print/profile_page_painter.h"

namespace kalodaya::ui::print {

bool PaintDocument(QPagedPaintDevice& device, const ChartPageTexts& texts) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PageCanvas canvas(painter);
    PaintChartPage(canvas, texts);
    bool ok = device.newPage();
    if (ok) PaintProfilePages(canvas, texts, 2, [&] { return ok = device.newPage(); });
    return painter.end() && ok;
}

QByteArray PdfDocument(const ChartPageTexts& texts, Paper paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(Q(texts.documentTitle));
        writer.setCreator(QStringLiteral("Kalodaya"));
        writer.setPageLayout(QPageLayout(PageSizeOf(paper), QPageLayout::Portrait, QMarginsF()));
        if (!PaintDocument(writer, texts)) return {};
    }
    return bytes;
}

QImage ChartPageImage(const ChartPageTexts& texts, Paper paper) {
    const QSize size = PageSizeOf(paper).sizePixels(kImageDotsPerInch);
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(kImageDotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageCanvas canvas(painter);
    PaintChartPage(canvas, texts);
    return image;
}

QByteArray PngBytes(const QImage& image) { return EncodePng(image); }

std::optional<ExportFormat> FormatOfPath(const QString& path) {
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return ExportFormat::Pdf;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return ExportFormat::Png;
    return std::nullopt;
}

std::optional<WriteError> SaveFile(const QString& path, const QByteArray& bytes,
                                   ExistingFile existing) {
    const auto failure = WriteWholeFile(QFile::encodeName(path).toStdString(),
                                        std::string_view(bytes.constData(), bytes.size()),
                                        existing);
    if (!failure) return std::nullopt;
    return WriteError{QStringLiteral("cannot write %1: %2")
                          .arg(path, QString::fromStdString(failure->reason))
                          .toStdString(),
                      failure->nameTaken};
}

QByteArray ChartFileBytes(ExportFormat format, const ChartPageTexts& texts, Paper paper) {
    return format == ExportFormat::Pdf ? PdfDocument(texts, paper)
                                       : PngBytes(ChartPageImage(texts, paper));
}

std::optional<WriteError> ExportChart(const QString& path, ExportFormat format,
                                      const ChartPageTexts& texts, Paper paper) {
    const QByteArray bytes = ChartFileBytes(format, texts, paper);
    if (bytes.isEmpty())
        return WriteError{QStringLiteral("cannot write %1: the pages could not be drawn")
                              .arg(path)
                              .toStdString()};
    return SaveFile(path, bytes);
}

}  // namespace kalodaya::ui::print
