#pragma once
// "Open Saved…": the saved records in a list with a search box that answers each keystroke,
// Open, Delete (after asking), and the note of the record in hand.
#include <QDialog>
#include <optional>

#include "records/record_filter.h"
#include "records/record_store.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace kalodaya::ui {

class MessageBoxes;
class RecordListModel;

class OpenRecordsDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the list of `store` (which must outlive the dialog) and shows every record.
    OpenRecordsDialog(records::RecordStore& store, MessageBoxes& messages,
                      QWidget* parent = nullptr);
    ~OpenRecordsDialog() override;

    // The record the user chose to open, once the dialog was accepted.
    std::optional<records::RecordId> Chosen() const { return chosen_; }

    // Keeps the note being written whichever way the dialog ends.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);
    void ShowCurrent();
    std::optional<records::RecordSummary> Current() const;
    void OpenCurrent();
    void DeleteCurrent();
    // Writes the note field into the record it belongs to, when it was changed; false (after
    // telling the user) when it could not be saved.
    bool SaveNote();

    records::RecordStore& store_;
    MessageBoxes& messages_;
    records::RecordFilter filter_;
    RecordListModel* model_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTreeView* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* delete_ = nullptr;
    std::optional<records::RecordId> noteOf_;  // the record whose note the field holds
    std::optional<records::RecordId> chosen_;
};

}  // namespace kalodaya::ui
