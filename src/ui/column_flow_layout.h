#pragma once
// A layout that stacks its panels in columns: each panel goes under the one before while the
// column has room for it (squeezed to its minimum if need be) and holds fewer than two, else
// it starts the next column to the right. With room for two
// panels in a column the results window keeps its classic look (details above the planet
// table); on a short screen (a large scale factor) the panels stand side by side instead of
// running off the bottom. Panels are squeezed from their preferred heights towards their
// minimums, each in proportion to what it can give.
#include <QLayout>
#include <QList>
#include <vector>

namespace kalodaya::ui {

class ColumnFlowLayout : public QLayout {
public:
    explicit ColumnFlowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~ColumnFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }

    // The preferred size: the first two panels in one column, the others following.
    QSize sizeHint() const override;
    // The widest panel and the tallest panel's minimum.
    QSize minimumSize() const override;
    // The width the columns take at `height`.
    int WidthFor(int height) const;
    void setGeometry(const QRect& rect) override;

    // The panels' indexes by column for a given height (hidden panels left out).
    std::vector<std::vector<int>> Columns(int height) const;

    static constexpr std::size_t kPanelsPerColumn = 2;

private:
    // Places the panels in `rect` (only measures when `apply` is false); returns the extent.
    QSize Arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    int gap_;
};

}  // namespace kalodaya::ui
