#include "ui/update_reminder.h"

#include <QLocale>
#include <QSettings>

#include "ui/message_boxes.h"
#include "ui/web_links.h"

namespace kalodaya::ui {
namespace {

constexpr qint64 kQuietDays = 14;

QDate ReadDate(const QString& text) {
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (!date.isValid()) date = QLocale::system().toDate(trimmed, QLocale::ShortFormat);
    return date;
}

void WriteDate(QSettings& settings, const QDate& date) {
    settings.setValue(kReminderKey, date.toString(Qt::ISODate));
    settings.sync();
}

}  // namespace

QString ReminderBoxText() {
    QString text = kReminderText;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

ReminderOutcome UpdateReminder(QSettings& settings, const QDate& today, Services& services,
                               QWidget* parent) {
    settings.beginGroup(kReminderGroup);
    struct GroupEnd {
        QSettings& s;
        ~GroupEnd() { s.endGroup(); }
    } groupEnd{settings};

    const QString stored = settings.value(kReminderKey).toString();
    if (stored.isEmpty()) {
        WriteDate(settings, today);
        return ReminderOutcome::FirstStart;
    }
    const QDate last = ReadDate(stored);
    if (!last.isValid()) return ReminderOutcome::Unreadable;
    const qint64 days = today.daysTo(last);
    if (days >= -kQuietDays && days <= kQuietDays) return ReminderOutcome::NotDue;

    const auto answer = services.messages->Show(
        parent, {ReminderBoxText(), QMessageBox::Information, QMessageBox::Yes | QMessageBox::No});
    WriteDate(settings, today);
    if (answer == QMessageBox::Yes) {
        OpenDownloadPage(*services.browser);
        return ReminderOutcome::AnsweredYes;
    }
    return ReminderOutcome::AnsweredNo;
}

ReminderOutcome UpdateReminder(const QDate& today, Services& services, QWidget* parent) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kReminderOrganisation,
                       kReminderApplication);
    return UpdateReminder(settings, today, services, parent);
}

}  // namespace kalodaya::ui
