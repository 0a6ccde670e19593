#pragma once
// Whether the desktop program can open a window here, and what to say when it cannot.
#include <functional>
#include <string>

namespace kalodaya::ui {

// Reads an environment variable; empty when it is not set.
using EnvironmentReader = std::function<std::string(const char* name)>;

// True when there is no X11 or Wayland display and no Qt platform was chosen explicitly.
bool NoDisplayAvailable(const EnvironmentReader& env);

// The text printed instead of starting: one sentence on what is missing, then an example of
// computing a chart with `chartCommand` (the kalodaya-chart program) and of kalodaya --export.
std::string NoDisplayMessage(const std::string& chartCommand);

}  // namespace kalodaya::ui
