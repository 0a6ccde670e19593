#include "ui/column_flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace kalodaya::ui {

ColumnFlowLayout::ColumnFlowLayout(QWidget* parent, int spacing) : QLayout(parent), gap_(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

ColumnFlowLayout::~ColumnFlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void ColumnFlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* ColumnFlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* ColumnFlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

std::vector<std::vector<int>> ColumnFlowLayout::Columns(int height) const {
    std::vector<std::vector<int>> columns;
    int used = 0;
    for (int i = 0; i < items_.size(); ++i) {
        if (items_[i]->isEmpty()) continue;
        // A panel joins the column when the column has room for it squeezed to its minimum,
        // two panels to a column at most.
        const int least = items_[i]->minimumSize().height();
        if (columns.empty() || columns.back().size() == kPanelsPerColumn ||
            (used > 0 && used + gap_ + least > height)) {
            columns.emplace_back();
            used = 0;
        }
        used += (used > 0 ? gap_ : 0) + least;
        columns.back().push_back(i);
    }
    return columns;
}

QSize ColumnFlowLayout::Arrange(const QRect& rect, bool apply) const {
    int x = rect.x(), bottom = 0;
    for (const std::vector<int>& column : Columns(rect.height())) {
        int width = 0, wanted = 0, least = 0;
        for (int i : column) {
            width = std::max(width, items_[i]->sizeHint().width());
            wanted += items_[i]->sizeHint().height();
            least += items_[i]->minimumSize().height();
        }
        const int gaps = gap_ * static_cast<int>(column.size() - 1);
        // Room short of the panels' wishes is taken from each in proportion to what it can give.
        const int spare = std::max(0, wanted - least);
        const int cut = std::clamp(wanted + gaps - rect.height(), 0, spare);
        int y = rect.y();
        for (int i : column) {
            const QSize hint = items_[i]->sizeHint();
            const int give = hint.height() - items_[i]->minimumSize().height();
            const int height = hint.height() - (spare > 0 ? cut * give / spare : 0);
            if (apply) items_[i]->setGeometry(QRect(x, y, width, height));
            y += height + gap_;
        }
        bottom = std::max(bottom, y - gap_ - rect.y());
        x += width + gap_;
    }
    return QSize(std::max(0, x - gap_ - rect.x()), bottom);
}

QSize ColumnFlowLayout::sizeHint() const {
    // The first two panels one above the other, or the tallest panel if taller.
    int height = 0, firstTwo = 0, counted = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        height = std::max(height, item->sizeHint().height());
        if (counted < 2) firstTwo += item->sizeHint().height() + (counted ? gap_ : 0);
        ++counted;
    }
    return Arrange(QRect(0, 0, 0, std::max(height, firstTwo)), false);
}

QSize ColumnFlowLayout::minimumSize() const {
    QSize least;
    for (QLayoutItem* item : items_)
        if (!item->isEmpty()) least = least.expandedTo(item->minimumSize());
    return least;
}

int ColumnFlowLayout::WidthFor(int height) const {
    return Arrange(QRect(0, 0, 0, height), false).width();
}

void ColumnFlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

}  // namespace kalodaya::ui
