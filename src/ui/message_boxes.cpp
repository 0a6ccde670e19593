#include "ui/message_boxes.h"

namespace kalodaya::ui {
namespace {

class RealMessageBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton Show(QWidget* parent, const MessageRequest& r) override {
        QMessageBox box(r.icon, r.title, r.text, r.buttons, parent);
        if (!r.details.isEmpty()) box.setDetailedText(r.details);
        if (r.defaultButton != QMessageBox::NoButton) box.setDefaultButton(r.defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

}  // namespace

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::Information;
}

MessageBoxes& DesktopMessageBoxes() {
    static RealMessageBoxes real;
    return real;
}

}  // namespace kalodaya::ui
