#include "ui/message_boxes.h"

namespace kalodaya::ui {
namespace {

class RealMessageBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton Show(QWidget* parent, const MessageRequest& r) override {
        QMessageBox box(r.icon, r.title, r.text, r.buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

MessageBoxes* installed = nullptr;

}  // namespace

MessageBoxes& Messages() {
    static RealMessageBoxes real;
    return installed ? *installed : real;
}

void SetMessageBoxes(MessageBoxes* boxes) { installed = boxes; }

}  // namespace kalodaya::ui
