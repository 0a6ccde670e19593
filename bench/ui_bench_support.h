#pragma once
// Shared pieces of the window benchmarks: a silent message-box and browser service, and a
// started program whose entry form holds the worked example.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "ui/app_controller.h"
#include "ui/entry_form.h"
#include "ui/message_boxes.h"
#include "ui/web_links.h"

namespace kalodaya::ui::bench {

class SilentBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton Show(QWidget*, const MessageRequest&) override {
        return QMessageBox::Ok;
    }
};

struct StartedProgram {
    QTemporaryDir dir;
    SilentBoxes boxes;
    std::unique_ptr<AppController> controller;

    StartedProgram() {
        SetMessageBoxes(&boxes);
        StartOptions options;
        options.lockPath = dir.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        options.recordsPath = dir.filePath(QStringLiteral("records.sqlite")).toStdString();
        controller = std::make_unique<AppController>(options);
        controller->Start();
    }
    ~StartedProgram() {
        controller.reset();
        SetMessageBoxes(nullptr);
    }

    // 15 August 1990, 10:30, Indian Time, 28°39'N 77°13'E, New Delhi.
    void FillWorkedExample() {
        EntryForm* f = controller->Form();
        f->findChild<QLineEdit*>("nameBox")->setText(QStringLiteral("RAMA"));
        f->findChild<QComboBox*>("monthList")->setCurrentIndex(7);
        f->findChild<QComboBox*>("dayList")->setCurrentIndex(14);
        auto* year = f->findChild<QComboBox*>("yearList");
        year->setCurrentIndex(year->findText(QStringLiteral("1990")));
        f->findChild<QComboBox*>("hourList")->setCurrentIndex(10);
        f->findChild<QComboBox*>("minuteList")->setCurrentIndex(30);
        f->findChild<QComboBox*>("zoneList")->setCurrentIndex(34);
        f->findChild<QLineEdit*>("latDegreesBox")->setText(QStringLiteral("28"));
        f->findChild<QLineEdit*>("latMinutesBox")->setText(QStringLiteral("39"));
        f->findChild<QLineEdit*>("lonDegreesBox")->setText(QStringLiteral("77"));
        f->findChild<QLineEdit*>("lonMinutesBox")->setText(QStringLiteral("13"));
        f->findChild<QLineEdit*>("cityBox")->setText(QStringLiteral("New Delhi"));
        f->findChild<QLineEdit*>("stateBox")->setText(QStringLiteral("Delhi"));
        f->findChild<QLineEdit*>("countryBox")->setText(QStringLiteral("India"));
    }

    QPushButton* GetMyGhatiLagna() { return controller->Form()->findChild<QPushButton*>("getChartButton"); }
};

}  // namespace kalodaya::ui::bench
