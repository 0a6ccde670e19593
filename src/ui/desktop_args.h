#pragma once
// The desktop program's own command line: help and version, Qt's options passed on, anything
// else refused before a window could open. (kalodaya --export has a command line of its own.)
#include <string>

namespace kalodaya::ui {

struct DesktopArgs {
    enum class Action {
        Start,  // open the entry form
        Print,  // `text` (help or version) goes to standard output; exit status 0
        Fail,   // `text` is the one-line reason for standard error; exit status 2
    };
    Action action = Action::Start;
    std::string text;
};

DesktopArgs ReadDesktopArgs(int argc, const char* const* argv);

}  // namespace kalodaya::ui
