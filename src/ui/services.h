#pragma once
// What the windows use of the world outside them: message boxes, the dialogs of saved records
// and of printing, the browser, and the folders the file dialogs start in. The program makes
// one and hands it to its windows, which keep a reference (it must outlive them); a test hands
// them one with stand-ins instead, so nothing of it is process-wide.
#include <QDateTime>
#include <QString>
#include <functional>

namespace kalodaya::ui {

class MessageBoxes;
class RecordsDialogs;
class UrlOpener;
namespace print {
class PrintDialogs;
}

struct Services {
    MessageBoxes* messages = nullptr;
    RecordsDialogs* recordsDialogs = nullptr;
    print::PrintDialogs* printDialogs = nullptr;
    UrlOpener* browser = nullptr;
    // The folder of the last import or export of saved records in this run, and of the last
    // chart exported; both start at the user's documents folder.
    QString transferFolder;
    QString exportFolder;
    // The computer's clock: today's date and time for the form's "Now" and its first start.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

// The real message boxes, dialogs and browser.
Services DesktopServices();

}  // namespace kalodaya::ui
