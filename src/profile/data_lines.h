#pragma once
// The line rules every data file of the profile shares (sign texts, language files,
// glossaries): lines end in '\n', a trailing '\r' is dropped, empty lines and lines starting
// with '#' are skipped.
#include <cstddef>
#include <string_view>

namespace kalodaya {

// Calls visit(lineNo, line) for each line that holds data; lineNo counts every line from 1,
// so that a fault names the line a person sees in an editor.
template <typename Visit>
void ForEachDataLine(std::string_view data, Visit&& visit) {
    int lineNo = 0;
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        visit(lineNo, line);
    }
}

}  // namespace kalodaya
