#include "ui/display_check.h"

namespace kalodaya::ui {

bool NoDisplayAvailable(const EnvironmentReader& env) {
    return env("DISPLAY").empty() && env("WAYLAND_DISPLAY").empty() &&
           env("QT_QPA_PLATFORM").empty();
}

std::string NoDisplayMessage(const std::string& chartCommand) {
    return "Kalodaya needs a graphical desktop (an X11 or Wayland display), and none is "
           "available here.\n"
           "To compute a chart without one, use kalodaya-chart, for example:\n"
           "  " + chartCommand +
           " --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34\n"
           "or write it to a PDF or PNG file with the same options:\n"
           "  kalodaya --export rama.pdf --name RAMA ...\n";
}

}  // namespace kalodaya::ui
