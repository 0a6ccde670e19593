#pragma once
// PNG files of the chart page, written with libpng directly: the page is mostly flat colour,
// and unfiltered rows at a fast deflate level encode several times faster than Qt's writer
// (which tries every row filter) for a file of about the same size.
#include <QByteArray>
#include <QImage>

namespace kalodaya::ui::print {

// The image as 8-bit RGB PNG bytes, with its resolution recorded (so that it prints at the
// page's size); empty when it could not be encoded.
QByteArray EncodePng(const QImage& image);

}  // namespace kalodaya::ui::print
