#pragma once
// The saved records in the entry form's File menu: "Save Birth Details", "Open Saved…",
// "Recent", "Import…" and "Export…", and the record the form was opened from.
#include <QObject>
#include <optional>

#include "records/record_store.h"

class QMenu;

namespace kalodaya::ui {

class EntryForm;

class RecordsMenu : public QObject {
    Q_OBJECT
public:
    // Puts the entries into the File menu of `form`, above Exit, working on `store`; both must
    // outlive the menu.
    RecordsMenu(EntryForm& form, records::RecordStore& store);

    // The store's one message (a file set aside, records that cannot be saved), once per run.
    void ShowNoticeOnce();

    // "Save Birth Details": the form's entries, once they pass the form's checks, as a new
    // record, or into the record the form was opened from (asking "Update" or "Save as New"
    // when they were changed since). A place typed by hand is also kept as the user's own.
    void Save();
    // "Open Saved…": the list of saved records; the chosen one fills the form.
    void OpenSaved();
    // Fills the form with record `id` exactly as it was saved.
    void OpenRecord(records::RecordId id);
    void Import();
    void Export();

    // The record the form was last opened from or saved as; nothing for a form typed afresh.
    const std::optional<records::StoredRecord>& Origin() const { return origin_; }

private:
    void FillRecent();
    void Warn(const QString& text);
    // The form now shows `stored`: saves and changes are judged against it.
    void SetOrigin(records::StoredRecord stored);

    EntryForm& form_;
    records::RecordStore& store_;
    QMenu* recent_ = nullptr;
    QString title_;  // the form's own window title
    std::optional<records::StoredRecord> origin_;
    bool noticeShown_ = false;
};

}  // namespace kalodaya::ui
