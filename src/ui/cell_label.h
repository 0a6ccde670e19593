#pragma once
// A label for the fixed-size cells of the chart: its text wraps and stays inside the cell.
// When the lines do not fit (too many, or a word wider than the cell), trailing empty lines
// are dropped first, then leading ones (spacers between markers), then the font shrinks, so no
// body name or marker is pushed out of sight.
#include <QLabel>

namespace kalodaya::ui {

class CellLabel : public QLabel {
    Q_OBJECT
public:
    explicit CellLabel(QWidget* parent = nullptr);

    // The text as painted into `size` with `font`, and the point size it is painted at.
    struct Fitted {
        QString text;
        double pointSize;
    };
    static Fitted Fit(const QString& text, const QFont& font, const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kalodaya::ui
