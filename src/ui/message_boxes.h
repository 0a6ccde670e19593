#pragma once
// Every message box of the program goes through here (the windows' Services), so tests can
// answer them instead of blocking on a modal dialog.
#include <QMessageBox>
#include <QString>

#include "request/entry_checks.h"

class QWidget;

namespace kalodaya::ui {

inline const QString kAppTitle = QStringLiteral("Kalodaya");

struct MessageRequest {
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QString title = kAppTitle;
    QString details = QString();  // behind the box's "Show Details..." button when not empty
    // The button Enter presses; Qt's own choice when NoButton.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns the button the user chose.
    virtual QMessageBox::StandardButton Show(QWidget* parent, const MessageRequest& request) = 0;
};

// The box's icon for an entry check's failure.
QMessageBox::Icon BoxIcon(MessageIcon icon);

// Real QMessageBox boxes, modal over their parent.
MessageBoxes& DesktopMessageBoxes();

}  // namespace kalodaya::ui
