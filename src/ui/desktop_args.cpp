#include "ui/desktop_args.h"

#include <array>
#include <string_view>

namespace kalodaya::ui {
namespace {

constexpr const char* kHelp = R"(Usage: kalodaya [Qt options]
       kalodaya --export FILE [entry options]

Opens the entry form for a person's birth details and shows the ghati lagna chart.

Options:
  -h, --help      print this help
  --version       print the program's name and version
  --export FILE   write a chart to a PDF or PNG file without a window;
                  kalodaya --export --help lists its options

Qt's own options (-platform, -style, -reverse, -session and the others Qt documents) are
passed to Qt. kalodaya-chart computes charts from the command line and prints them as JSON.
)";

// The options every Qt program takes, with a value (also written -name=value) or without.
constexpr std::array<std::string_view, 15> kQtValueOptions = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet",
    "qmljsdebugger", "dialogs", "fontengine"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb",
                                                      "dograb", "sync"};

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view known : names)
        if (known == name) return true;
    return false;
}

DesktopArgs Failed(std::string message) {
    return {DesktopArgs::Action::Fail, std::move(message) + "; see kalodaya --help"};
}

}  // namespace

DesktopArgs ReadDesktopArgs(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") return {DesktopArgs::Action::Print, kHelp};
        if (arg == "--version")
            return {DesktopArgs::Action::Print, std::string("kalodaya ") + KALODAYA_VERSION + "\n"};
        if (arg.size() < 2 || arg[0] != '-')
            return Failed("unexpected argument \"" + std::string(arg) + "\"");
        // Qt reads its options with one dash or two.
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool valueAttached = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (Among(kQtValueOptions, name)) {
            if (!valueAttached && ++i >= argc) return Failed(std::string(arg) + " needs a value");
            continue;
        }
        if (Among(kQtFlags, name) && !valueAttached) continue;
        return Failed("unknown option " + std::string(arg));
    }
    return {};
}

}  // namespace kalodaya::ui
