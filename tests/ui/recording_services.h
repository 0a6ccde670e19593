#pragma once
// Stand-ins for the message boxes and the browser: they record what the program asked for
// and answer without any dialog or browser. Each takes its place in a Services object for as
// long as it lives, and gives the place back to what was there before.
#include <QList>
#include <QMessageBox>
#include <QUrl>

#include "ui/message_boxes.h"
#include "ui/services.h"
#include "ui/web_links.h"

namespace kalodaya::ui::testing {

class RecordingBoxes final : public MessageBoxes {
public:
    explicit RecordingBoxes(Services& services)
        : services_(services), previous_(services.messages) {
        services.messages = this;
    }
    ~RecordingBoxes() override { services_.messages = previous_; }

    QMessageBox::StandardButton Show(QWidget*, const MessageRequest& request) override {
        shown.append(request);
        return answer;
    }

    QList<MessageRequest> shown;
    QMessageBox::StandardButton answer = QMessageBox::Ok;

private:
    Services& services_;
    MessageBoxes* previous_;
};

class RecordingBrowser final : public UrlOpener {
public:
    explicit RecordingBrowser(Services& services)
        : services_(services), previous_(services.browser) {
        services.browser = this;
    }
    ~RecordingBrowser() override { services_.browser = previous_; }

    void Open(const QUrl& url) override { opened.append(url); }

    QList<QUrl> opened;

private:
    Services& services_;
    UrlOpener* previous_;
};

}  // namespace kalodaya::ui::testing
