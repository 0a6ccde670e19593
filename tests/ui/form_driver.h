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

inline void Fill(EntryForm* form, const Birth& b) {
    Type(form, "nameBox", b.name);
    Control<QComboBox>(form, "monthList")->setCurrentIndex(b.month - 1);
    Pick(form, "dayList", QString::number(b.day));
    Pick(form, "yearList", QString::number(b.year));
    Pick(form, "hourList", QString::number(b.hour));
    Pick(form, "minuteList", QString::number(b.minute));
    Pick(form, "secondList", QString::number(b.second));
    Type(form, "cityBox", b.city);
    Type(form, "stateBox", b.state);
    Type(form, "countryBox", b.country);
    Control<QComboBox>(form, "zoneList")->setCurrentIndex(b.zone);
    Control<QCheckBox>(form, "daylightBox")->setChecked(b.dst);
    Type(form, "latDegreesBox", b.latDeg);
    Type(form, "latMinutesBox", b.latMin);
    Type(form, "lonDegreesBox", b.lonDeg);
    Type(form, "lonMinutesBox", b.lonMin);
    Control<QRadioButton>(form, b.north ? "northOption" : "southOption")->click();
    Control<QRadioButton>(form, b.east ? "eastOption" : "westOption")->click();
}

inline void ClickGetMyGhatiLagna(EntryForm* form) {
    QTest::mouseClick(Control<QPushButton>(form, "getChartButton"), Qt::LeftButton);
}

}  // namespace kalodaya::ui::testing
