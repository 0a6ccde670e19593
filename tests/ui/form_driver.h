#pragma once
// Fills the real entry form the way a user does: typing into the boxes, picking list entries,
// setting the options; then presses "Get My Ghati Lagna".
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/entry_form.h"

namespace kalodaya::ui::testing {

struct Birth {
    QString name;
    int month;  // 1..12
    int day, year, hour, minute, second;
    QString latDeg, latMin;
    bool north;
    QString lonDeg, lonMin;
    bool east;
    int zone;
    bool dst;
    QString city, state, country;
};

// 15 August 1990, 10:30, Indian Time, 28°39'N 77°13'E.
inline Birth WorkedExample() {
    return {"RAMA", 8, 15, 1990, 10, 30, 0, "28", "39", true, "77", "13", true, 34, false,
            "New Delhi", "Delhi", "India"};
}

// A birth at midnight on 5 March 1980, south and west.
inline Birth SouthWestMidnight() {
    return {"SITA", 3, 5, 1980, 0, 0, 0, "33", "52", false, "151", "0", false, 34, false,
            "Sydney", "New South Wales", "Australia"};
}

template <typename W>
W* Control(QWidget* form, const char* name) {
    W* w = form->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("control %s not found", name);
    return w;
}

inline void Type(QWidget* form, const char* box, const QString& text) {
    auto* edit = Control<QLineEdit>(form, box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void Pick(QWidget* form, const char* list, const QString& text) {
    auto* combo = Control<QComboBox>(form, list);
    combo->setCurrentIndex(combo->findText(text));
}

inline void Fill(FrmMain* form, const Birth& b) {
    Type(form, "txtName", b.name);
    Control<QComboBox>(form, "cboMonth")->setCurrentIndex(b.month - 1);
    Pick(form, "cboDate", QString::number(b.day));
    Pick(form, "cboYear", QString::number(b.year));
    Pick(form, "cboHH", QString::number(b.hour));
    Pick(form, "cboMM", QString::number(b.minute));
    Pick(form, "cboSS", QString::number(b.second));
    Type(form, "txtMCity", b.city);
    Type(form, "txtMState", b.state);
    Type(form, "txtMCountry", b.country);
    Control<QComboBox>(form, "cmbTimeZone")->setCurrentIndex(b.zone);
    Control<QCheckBox>(form, "chkDST")->setChecked(b.dst);
    Type(form, "txtLatD", b.latDeg);
    Type(form, "txtLatM", b.latMin);
    Type(form, "txtLonD", b.lonDeg);
    Type(form, "txtLonM", b.lonMin);
    Control<QRadioButton>(form, b.north ? "optLat0" : "optLat1")->click();
    Control<QRadioButton>(form, b.east ? "optLong0" : "optLong1")->click();
}

inline void ClickGetMyGhatiLagna(FrmMain* form) {
    QTest::mouseClick(Control<QPushButton>(form, "cmdRashi"), Qt::LeftButton);
}

}  // namespace kalodaya::ui::testing
