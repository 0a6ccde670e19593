#pragma once
// The update reminder of start-up: at most once in fifteen days, offer to check for a newer
// version of the program.
#include <QDate>
#include <QString>

#include "ui/services.h"

class QSettings;
class QWidget;

namespace kalodaya::ui {

// Where the reminder's date is kept: organisation and application "KalodayaFree", group
// "Settings", key "Duration".
inline const QString kReminderOrganisation = QStringLiteral("KalodayaFree");
inline const QString kReminderApplication = QStringLiteral("KalodayaFree");
inline const QString kReminderGroup = QStringLiteral("Settings");
inline const QString kReminderKey = QStringLiteral("Duration");

// The question as the program words it, with a carriage return between its two sentences.
inline const QString kReminderText =
    QStringLiteral("There maybe an update to this software available") + QLatin1Char('\r') +
    QStringLiteral("Do you want to check for an update?");

// The question as the message box shows it: a Qt box would not break the line at a bare
// carriage return, so it becomes a line feed and the sentences stand on two lines.
QString ReminderBoxText();

enum class ReminderOutcome {
    FirstStart,  // nothing stored: today written, no box
    NotDue,      // stored date within 14 days either way: no box, nothing written
    Unreadable,  // stored text is not a date: no box, nothing written
    AnsweredYes, // box shown, today written, download page opened
    AnsweredNo,  // box shown, today written
};

// Runs the reminder against `settings` with `today` as the current date. The date is written
// as yyyy-MM-dd, which reads back the same under any locale; a date in the user's short
// format (as older settings may hold) is read as well.
ReminderOutcome UpdateReminder(QSettings& settings, const QDate& today, Services& services,
                               QWidget* parent = nullptr);

// The reminder of start-up: the user's settings store and `today` (the program passes the
// system date).
ReminderOutcome UpdateReminder(const QDate& today, Services& services, QWidget* parent = nullptr);

}  // namespace kalodaya::ui
