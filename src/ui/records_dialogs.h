#pragma once
// The questions and dialogs of saved records go through here, so tests can answer them (and
// drive the real "Open Saved" dialog) instead of blocking on a modal dialog.
#include <QString>

class QDialog;
class QWidget;

namespace kalodaya::ui {

enum class SaveChoice { Update, SaveAsNew, Cancel };

class RecordsDialogs {
public:
    virtual ~RecordsDialogs() = default;
    // A form opened from the record `savedName` and changed since (it now names `formName`):
    // replace the record, or keep it and save the form as a new one. `preferred` is the
    // answer Enter gives.
    virtual SaveChoice AskUpdateOrSaveAsNew(QWidget* parent, const QString& savedName,
                                            const QString& formName, SaveChoice preferred) = 0;
    // The file to import; empty when cancelled.
    virtual QString ImportFileName(QWidget* parent, const QString& folder) = 0;
    // The file to export to, starting from `suggested`; empty when cancelled.
    virtual QString ExportFileName(QWidget* parent, const QString& suggested) = 0;
    // Runs `dialog` modally and returns its result (QDialog::Accepted or Rejected).
    virtual int Run(QDialog& dialog) = 0;
};

// The real dialogs.
RecordsDialogs& DesktopRecordsDialogs();

}  // namespace kalodaya::ui
