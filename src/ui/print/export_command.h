#pragma once
// kalodaya --export: the chart written to a PDF or PNG file without showing a window, with or
// without a display.
namespace kalodaya::ui::print {

// Exit statuses, as kalodaya-chart uses them.
inline constexpr int kExportWritten = 0;
inline constexpr int kExportCheckFailed = 1;  // an entry check failed, or no sunrise
inline constexpr int kExportUnusable = 2;     // a value the form could not hold, or no file

// True when the arguments ask for an export.
bool IsExportCommand(int argc, char** argv);

// Reads the options, computes the chart (or each chart of --batch), writes the files and
// returns the exit status. Starts its own Qt application (offscreen unless a platform was
// named in QT_QPA_PLATFORM), so it must run before any other.
int RunExportCommand(int argc, char** argv);

}  // namespace kalodaya::ui::print
