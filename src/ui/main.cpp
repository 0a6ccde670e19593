// kalodaya: the desktop program.
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "base/platform/system.h"
#include "ui/app_controller.h"
#include "ui/entry_form.h"
#include "ui/app_icon.h"
#include "ui/desktop_args.h"
#include "ui/display_check.h"
#include "ui/print/export_command.h"

namespace {

// Where kalodaya-chart is found next to this program: beside it once installed, or in the
// build tree's cli folder.
std::string ChartCommand() {
    std::error_code error;
    if (const auto self = kalodaya::platform::ProgramFile()) {
        const std::filesystem::path dir = self->parent_path();
        for (const auto& candidate : {dir / "kalodaya-chart", dir / ".." / "cli" / "kalodaya-chart"}) {
            if (std::filesystem::exists(candidate, error))
                return std::filesystem::weakly_canonical(candidate, error).string();
        }
    }
    return "kalodaya-chart";
}

// Qt ends the program (an abort) when its platform cannot start, for instance when the display
// accepted the connection but refused this user. While the application starts, that end is
// turned into the same explanation as for a missing display.
QtMessageHandler gStartupPrevious = nullptr;
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << kalodaya::ui::NoDisplayMessage(ChartCommand()) << std::flush;
        std::_Exit(1);
    }
    if (gStartupPrevious) gStartupPrevious(type, context, text);
}

class EndAfterFirstPaint : public QObject {
public:
    explicit EndAfterFirstPaint(kalodaya::ui::AppController& controller) : controller_(controller) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !ending_) {
            ending_ = true;
            QTimer::singleShot(0, &controller_, [this] { controller_.ShutdownApplication(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    kalodaya::ui::AppController& controller_;
    bool ending_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace kalodaya::ui;
    // kalodaya --export writes files and shows nothing, so it needs no display.
    if (print::IsExportCommand(argc, argv)) return print::RunExportCommand(argc, argv);
    // Help, version and a mistyped option are answered without a window, display or not.
    const DesktopArgs args = ReadDesktopArgs(argc, argv);
    if (args.action == DesktopArgs::Action::Print) {
        std::cout << args.text << std::flush;
        return std::cout ? 0 : 2;
    }
    if (args.action == DesktopArgs::Action::Fail) {
        std::cerr << "kalodaya: " << args.text << "\n";
        return 2;
    }

    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    if (NoDisplayAvailable(env)) {
        std::cerr << NoDisplayMessage(ChartCommand());
        return 1;
    }

    gStartupPrevious = qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(gStartupPrevious);
    QApplication::setWindowIcon(AppIcon());
    AppController controller;
    if (!controller.Start()) return 0;

    // For start-up measurements: end as soon as the entry form has been painted.
    EndAfterFirstPaint measurement(controller);
    if (!env("KALODAYA_EXIT_WHEN_SHOWN").empty()) controller.Form()->installEventFilter(&measurement);
    return app.exec();
}
