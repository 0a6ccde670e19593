#pragma once
// The chart as a document: both pages on a PDF writer or a printer, the chart page as an
// image, and the files they are saved in.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <string>

#include "base/whole_file.h"
#include "ui/print/chart_page_texts.h"
#include "ui/print/paper_size.h"

class QPagedPaintDevice;

namespace kalodaya::ui::print {

// The image's resolution: twice the desktop's reference of 96 pixels per inch, fixed so that
// the image is the same on every screen and without one.
inline constexpr int kImageDotsPerInch = 192;

// The chart page, then the profile, on `device` as its page layout stands (the whole paint
// area is the page). Returns false when the device could not be painted on.
bool PaintDocument(QPagedPaintDevice& device, const ChartPageTexts& texts);

// The PDF file's bytes: vector text on `paper`, titled with the document title.
QByteArray PdfDocument(const ChartPageTexts& texts, Paper paper);

// The chart page on `paper` at kImageDotsPerInch, on white.
QImage ChartPageImage(const ChartPageTexts& texts, Paper paper);
QByteArray PngBytes(const QImage& image);

enum class ExportFormat { Pdf, Png };

// The format a file name asks for by its extension (".pdf", ".png", any case).
std::optional<ExportFormat> FormatOfPath(const QString& path);

struct WriteError {
    std::string message;  // one line: the file and why it could not be written
    bool nameTaken = false;  // ExistingFile::Keep found something of that name
};

// Writes `bytes` as the whole of `path` through WriteWholeFile: a failed write leaves any
// earlier file as it was, and only a plain file is ever replaced.
std::optional<WriteError> SaveFile(const QString& path, const QByteArray& bytes,
                                   ExistingFile existing = ExistingFile::Replace);

// The bytes of the chart's file in `format`; empty when the pages could not be drawn.
QByteArray ChartFileBytes(ExportFormat format, const ChartPageTexts& texts, Paper paper);

// The chart in `format` written to `path`.
std::optional<WriteError> ExportChart(const QString& path, ExportFormat format,
                                      const ChartPageTexts& texts, Paper paper);

}  // namespace kalodaya::ui::print
