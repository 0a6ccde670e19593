#pragma once
// A label that works as a web link: underlined, with a hand pointer, and a click signal.
#include <QLabel>

namespace kalodaya::ui {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    // Sets the hand pointer and underlines the label's font (now and after any setFont).
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    // A left-button click: pressed and released over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Underline();
    bool pressed_ = false;
};

}  // namespace kalodaya::ui
