#include "ui/records_dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/message_boxes.h"

namespace kalodaya::ui {
namespace {

const QString kFileFilter = QStringLiteral(
    "Request lines (*.jsonl *.json *.txt);;CSV with a header row (*.csv);;All files (*)");

class RealRecordsDialogs final : public RecordsDialogs {
public:
    SaveChoice AskUpdateOrSaveAsNew(QWidget* parent, const QString& savedName,
                                    const QString& formName, SaveChoice preferred) override {
        const QString text =
            savedName == formName
                ? QCoreApplication::translate("kalodaya::ui::RecordsDialogs", "The birth details of %1 have changed since they were "
                                 "opened. Update the saved record, or save them as a new "
                                 "one and keep the saved record as it is?")
                      .arg(savedName)
                : QCoreApplication::translate("kalodaya::ui::RecordsDialogs", "The form was opened from the saved birth details of %1 and "
                                 "now holds those of %2. Save %2 as a new record and keep %1's "
                                 "as it is, or update %1's record with %2's details?")
                      .arg(savedName, formName);
        QMessageBox box(QMessageBox::Question, kAppTitle, text, QMessageBox::NoButton, parent);
        QPushButton* update = box.addButton(QCoreApplication::translate("kalodaya::ui::RecordsDialogs", "&Update"), QMessageBox::AcceptRole);
        QPushButton* asNew = box.addButton(QCoreApplication::translate("kalodaya::ui::RecordsDialogs", "Save as &New"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(preferred == SaveChoice::SaveAsNew ? asNew : update);
        box.exec();
        if (box.clickedButton() == update) return SaveChoice::Update;
        if (box.clickedButton() == asNew) return SaveChoice::SaveAsNew;
        return SaveChoice::Cancel;
    }
    QString ImportFileName(QWidget* parent, const QString& folder) override {
        return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("kalodaya::ui::RecordsDialogs", "Import Birth Details"), folder,
                                            kFileFilter);
    }
    QString ExportFileName(QWidget* parent, const QString& suggested) override {
        return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("kalodaya::ui::RecordsDialogs", "Export Birth Details"),
                                            suggested, kFileFilter);
    }
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

}  // namespace

RecordsDialogs& DesktopRecordsDialogs() {
    static RealRecordsDialogs real;
    return real;
}

}  // namespace kalodaya::ui
