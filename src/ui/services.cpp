#include "ui/services.h"

#include <QStandardPaths>

#include "ui/message_boxes.h"
#include "ui/print/print_dialogs.h"
#include "ui/records_dialogs.h"
#include "ui/web_links.h"

namespace kalodaya::ui {

Services DesktopServices() {
    Services s;
    s.messages = &DesktopMessageBoxes();
    s.recordsDialogs = &DesktopRecordsDialogs();
    s.printDialogs = &print::DesktopPrintDialogs();
    s.browser = &DesktopBrowser();
    s.transferFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    s.exportFolder = s.transferFolder;
    return s;
}

}  // namespace kalodaya::ui
