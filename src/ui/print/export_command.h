#pragma once
// kalodaya --export: the chart written to a PDF or PNG file without showing a window, with or
// without a display.
#include <string>

#include "base/expected.h"
#include "request/entry_options.h"

namespace kalodaya::ui::print {

// Exit statuses, as kalodaya-chart uses them.
inline constexpr int kExportWritten = 0;
inline constexpr int kExportCheckFailed = 1;  // an entry check failed, or no sunrise
inline constexpr int kExportUnusable = 2;     // a value the form could not hold, or no file

// True when the arguments ask for an export.
bool IsExportCommand(int argc, char** argv);

// The entry options of an export command line as kalodaya --export reads them (the options of
// kalodaya-chart, declared once), or the parser's message.
Expected<GivenEntryOptions, std::string> ReadExportEntryOptions(int argc,
                                                                const char* const* argv);

// Reads the options, computes the chart (or each chart of --batch), writes the files and
// returns the exit status. Starts its own Qt application (offscreen unless a platform was
// named in QT_QPA_PLATFORM), so it must run before any other.
int RunExportCommand(int argc, char** argv);

}  // namespace kalodaya::ui::print
