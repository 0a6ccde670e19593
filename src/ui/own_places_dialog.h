#pragma once
// "Your Places…": the places the user typed by hand and kept, which the City box's popup offers
// beside the atlas. A cell edited in the table is saved at once, once it reads; Delete removes
// the selected place after asking.
#include <QDialog>
#include <vector>

#include "records/record_store.h"

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace kalodaya::ui {

class MessageBoxes;

class OwnPlacesDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { kName, kState, kCountry, kLatitude, kLongitude, kZone, kColumnCount };

    // `store` and `messages` must outlive the dialog.
    OwnPlacesDialog(records::RecordStore& store, MessageBoxes& messages,
                    QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    // Deletes the selected place once the user agrees (the question defaults to No).
    void DeleteCurrent();

private:
    void Fill();
    void OnEdited(QTableWidgetItem* item);
    void Warn(const QString& text);

    records::RecordStore& store_;
    MessageBoxes& messages_;
    QTableWidget* table_ = nullptr;
    QPushButton* delete_ = nullptr;
    std::vector<records::StoredPlace> places_;  // in the table's row order
    bool filling_ = false;
};

}  // namespace kalodaya::ui
