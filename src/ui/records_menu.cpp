#include "ui/records_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>

#include "records/record_fields.h"
#include "records/record_transfer.h"
#include "request/entry_checks.h"
#include "request/from_record.h"
#include "ui/entry_form.h"
#include "ui/message_boxes.h"
#include "ui/open_records_dialog.h"
#include "ui/own_places_dialog.h"
#include "ui/place_lookup.h"
#include "ui/record_list_model.h"
#include "ui/records_dialogs.h"

namespace kalodaya::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

std::filesystem::path FilePath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

// How many of the rejected lines the message lists; all of them are behind "Show Details".
constexpr std::size_t kRejectedShown = 10;

QString RejectedText(const records::RejectedLine& rejected) {
    return QStringLiteral("Line %1: %2").arg(rejected.line).arg(Text(rejected.reason));
}

QString ImportMessage(const records::ImportReport& report, QString* details) {
    // Records already saved are left out and counted: "12 imported, 3 already saved".
    QString text = report.alreadySaved > 0
                       ? RecordsMenu::tr("%1 imported, %2 already saved.")
                             .arg(report.imported)
                             .arg(report.alreadySaved)
                   : report.imported == 1
                       ? QStringLiteral("1 record was imported.")
                       : QStringLiteral("%1 records were imported.").arg(report.imported);
    if (report.rejected.empty()) return text;
    text += report.rejected.size() == 1
                ? QStringLiteral(" 1 line was rejected:\n")
                : QStringLiteral(" %1 lines were rejected:\n").arg(report.rejected.size());
    for (std::size_t i = 0; i < report.rejected.size(); ++i) {
        const QString line = RejectedText(report.rejected[i]);
        if (i < kRejectedShown) text += QLatin1Char('\n') + line;
        details->append(line + QLatin1Char('\n'));
    }
    if (report.rejected.size() > kRejectedShown)
        text += QStringLiteral("\n\u2026 and %1 more (Show Details lists them all).")
                    .arg(report.rejected.size() - kRejectedShown);
    return text;
}

}  // namespace

RecordsMenu::RecordsMenu(EntryForm& form, records::RecordStore& store, Services& services)
    : form_(form), store_(store), services_(services), title_(form.windowTitle()) {
    QMenu* file = form.findChild<QMenu*>(QStringLiteral("fileMenu"));
    QAction* exit = form.findChild<QAction*>(QStringLiteral("exitAction"));
    auto entry = [&](const char* name, const QString& caption, const QKeySequence& keys,
                     void (RecordsMenu::*handler)()) {
        auto* action = new QAction(caption, &form);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        file->insertAction(exit, action);
    };
    auto* fresh = new QAction(QStringLiteral("&New"), &form);
    fresh->setObjectName(QStringLiteral("newAction"));
    fresh->setShortcut(QKeySequence::New);
    connect(fresh, &QAction::triggered, this, &RecordsMenu::New);
    file->insertAction(file->actions().value(0), fresh);
    file->insertSeparator(exit);
    entry("saveRecordAction", QStringLiteral("&Save Birth Details"), QKeySequence::Save,
          &RecordsMenu::Save);
    entry("openRecordAction", QStringLiteral("&Open Saved\u2026"), QKeySequence::Open,
          &RecordsMenu::OpenSaved);
    recent_ = new QMenu(QStringLiteral("&Recent"), &form);
    recent_->setObjectName(QStringLiteral("recentMenu"));
    connect(recent_, &QMenu::aboutToShow, this, &RecordsMenu::FillRecent);
    file->insertMenu(exit, recent_);
    file->insertSeparator(exit);
    entry("importRecordsAction", QStringLiteral("&Import\u2026"), {}, &RecordsMenu::Import);
    entry("exportRecordsAction", QStringLiteral("&Export\u2026"), {}, &RecordsMenu::Export);
    file->insertSeparator(exit);
    entry("ownPlacesAction", QStringLiteral("Your &Places\u2026"), {}, &RecordsMenu::EditOwnPlaces);
    file->insertSeparator(exit);
}

void RecordsMenu::ShowNoticeOnce() {
    if (noticeShown_ || !store_.notice()) return;
    noticeShown_ = true;
    services_.messages->Show(&form_,
                             {Text(*store_.notice()), QMessageBox::Warning, QMessageBox::Ok});
}

void RecordsMenu::Warn(const QString& text) {
    services_.messages->Show(&form_, {text, QMessageBox::Warning, QMessageBox::Ok});
}

void RecordsMenu::SetOrigin(records::StoredRecord stored) {
    const QString name = Text(stored.record.name);
    form_.setWindowTitle(name.trimmed().isEmpty() ? title_ : name + QStringLiteral(" - ") + title_);
    origin_ = std::move(stored);
}

void RecordsMenu::Save() {
    const BirthRequest request = form_.CurrentRequest();
    // The checks of a chart request: a saved record can always be charted, exported and
    // imported again.
    const auto checked = CheckRequest(request);
    if (!checked) {
        const EntryCheckFailure& failure = checked.error();
        services_.messages->Show(&form_,
                                 {Text(failure.message), BoxIcon(failure.icon), QMessageBox::Ok});
        if (failure.focus) form_.FocusField(*failure.focus);
        return;
    }
    // The note may have been written in the list since the record was opened.
    if (origin_)
        if (const auto stored = store_.Get(origin_->id)) origin_->record.note = stored->record.note;
    auto record = RecordFromRequest(request, origin_ ? origin_->record : records::Record{});
    if (!record) {
        Warn(QStringLiteral("The birth details could not be saved: %1").arg(Text(record.error())));
        return;
    }

    SaveChoice choice = SaveChoice::SaveAsNew;
    if (origin_) {
        if (!RequestChanged(request, origin_->record)) {
            // Nothing to write: the record only comes first in the recent list again.
            store_.MarkOpened(origin_->id);
            return;
        }
        // Another name is most likely another person: then a new record is what Enter gives.
        const QString saved = Text(origin_->record.name), now = Text(request.name);
        choice = services_.recordsDialogs->AskUpdateOrSaveAsNew(
            &form_, saved, now, saved == now ? SaveChoice::Update : SaveChoice::SaveAsNew);
    }
    records::RecordId id = 0;
    switch (choice) {
        case SaveChoice::Cancel: return;
        case SaveChoice::Update:
            if (auto error = store_.Update(origin_->id, *record)) {
                Warn(QStringLiteral("The record could not be updated: %1").arg(Text(error->message)));
                return;
            }
            id = origin_->id;
            break;
        case SaveChoice::SaveAsNew: {
            // A new record starts its own history: no note or times of the one it came from.
            record->note.clear();
            record->created = record->updated = 0;
            auto saved = store_.SaveNew(*record);
            if (!saved) {
                Warn(QStringLiteral("The birth details could not be saved: %1")
                         .arg(Text(saved.error().message)));
                return;
            }
            id = *saved;
            break;
        }
    }
    auto stored = store_.Get(id);
    SetOrigin(stored ? std::move(stored).value() : records::StoredRecord{id, *record});
    form_.statusBar()->showMessage(QStringLiteral("Saved the birth details of %1")
                                       .arg(Text(record->name).trimmed()));
    // A place is kept only when its name and coordinates belong together: not while the boxes
    // still hold the coordinates of another place than the City box names.
    if (const auto place = OwnPlaceOf(*record); place && form_.Places()->OtherPlace().isEmpty())
        store_.SavePlace(*place);
}

void RecordsMenu::OpenSaved() {
    OpenRecordsDialog dialog(store_, *services_.messages, &form_);
    const int result = services_.recordsDialogs->Run(dialog);
    // The record the form came from may have been deleted in the list: the form is then
    // typed afresh, and saving it makes a new record.
    if (origin_ && !store_.Get(origin_->id)) {
        origin_.reset();
        form_.setWindowTitle(title_);
    }
    if (result == QDialog::Accepted && dialog.Chosen()) OpenRecord(*dialog.Chosen());
}

void RecordsMenu::New() {
    form_.ClearEntries();
    form_.ShowStartEntries();
    origin_.reset();
    form_.setWindowTitle(title_);
}

void RecordsMenu::EditOwnPlaces() {
    OwnPlacesDialog dialog(store_, *services_.messages, &form_);
    services_.recordsDialogs->Run(dialog);
}

void RecordsMenu::OpenRecord(records::RecordId id) {
    auto stored = store_.Get(id);
    if (!stored) {
        Warn(QStringLiteral("The record could not be opened: %1").arg(Text(stored.error().message)));
        return;
    }
    const records::Record& record = stored->record;
    const auto request = RequestFromRecord(record);
    if (!request) {
        Warn(QStringLiteral("The record cannot be shown in the form: %1").arg(Text(request.error())));
        return;
    }
    const auto* exact = std::get_if<records::ExactOffset>(&record.zone);
    form_.ShowRequest(*request, exact ? Text(exact->label) : QString());
    // Reading works without saving; only the recent list then stays as it was.
    store_.MarkOpened(id);
    SetOrigin(std::move(stored).value());
}

void RecordsMenu::FillRecent() {
    recent_->clear();
    const auto recent = store_.Recent();
    if (!recent || recent->empty()) {
        recent_->addAction(recent ? QStringLiteral("No saved birth details yet")
                                  : Text(recent.error().message))
            ->setEnabled(false);
        return;
    }
    int number = 0;
    for (const records::RecordSummary& s : *recent) {
        const QString place = Text(records::PlaceText(s));
        QString caption = QStringLiteral("&%1 %2, %3").arg(++number).arg(Text(s.name), BornText(s));
        if (!place.isEmpty()) caption += QStringLiteral(", ") + place;
        QAction* action = recent_->addAction(caption);
        const records::RecordId id = s.id;
        connect(action, &QAction::triggered, this, [this, id] { OpenRecord(id); });
    }
}

void RecordsMenu::Import() {
    const QString name = services_.recordsDialogs->ImportFileName(&form_, services_.transferFolder);
    if (name.isEmpty()) return;
    services_.transferFolder = QFileInfo(name).absolutePath();
    const auto report = records::ImportFile(store_, FilePath(name), RecordImportRules());
    if (!report) {
        Warn(QStringLiteral("Nothing was imported from %1: %2")
                 .arg(QFileInfo(name).fileName(), Text(report.error().message)));
        return;
    }
    MessageRequest message;
    message.text = ImportMessage(*report, &message.details);
    message.icon = report->rejected.empty() ? QMessageBox::Information : QMessageBox::Warning;
    services_.messages->Show(&form_, message);
}

void RecordsMenu::Export() {
    const QString suggested =
        QDir(services_.transferFolder).filePath(QStringLiteral("kalodaya-records.jsonl"));
    QString name = services_.recordsDialogs->ExportFileName(&form_, suggested);
    if (name.isEmpty()) return;
    // A name without an extension gets the request lines' own.
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".jsonl");
    services_.transferFolder = QFileInfo(name).absolutePath();
    if (auto error = records::ExportFile(store_, FilePath(name))) {
        Warn(QStringLiteral("The records could not be exported: %1").arg(Text(error->message)));
        return;
    }
    form_.statusBar()->showMessage(QStringLiteral("Exported to %1").arg(name));
}

}  // namespace kalodaya::ui
