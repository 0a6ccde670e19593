#pragma once
// A push button whose caption wraps over several lines when it does not fit on one,
// with "&&" shown as one ampersand.
#include <QPushButton>

namespace kalodaya::ui {

class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kalodaya::ui
