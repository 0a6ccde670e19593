#pragma once
// Stand-ins for the message boxes and the browser: they record what the program asked for
// and answer without any dialog or browser.
#include <QList>
#include <QMessageBox>
#include <QUrl>

#include "ui/message_boxes.h"
#include "ui/web_links.h"

namespace kalodaya::ui::testing {

class RecordingBoxes final : public MessageBoxes {
public:
    RecordingBoxes() { SetMessageBoxes(this); }
    ~RecordingBoxes() override { SetMessageBoxes(nullptr); }

    QMessageBox::StandardButton Show(QWidget*, const MessageRequest& request) override {
        shown.append(request);
        return answer;
    }

    QList<MessageRequest> shown;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};

class RecordingBrowser final : public UrlOpener {
public:
    RecordingBrowser() { SetUrlOpener(this); }
    ~RecordingBrowser() override { SetUrlOpener(nullptr); }

    void Open(const QUrl& url) override { opened.append(url); }

    QList<QUrl> opened;
};

}  // namespace kalodaya::ui::testing
