#pragma once
// The entry options, declared once for every command line that takes them (kalodaya-chart and
// kalodaya --export), from the table of entries (request/entry_values.h), and read into a
// birth request the same way as a request line.
#include <array>
#include <optional>
#include <string>

#include "request/birth_request.h"
#include "request/entry_values.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace kalodaya {

// The entry options as a command line gave them: the text of each value option given, and the
// flag (held as "" when given).
struct GivenEntryOptions {
    std::array<std::optional<std::string>, kEntryCount> given;

    bool Any() const;
    // As entry values (pointing into `given`): texts, and --dst as a Boolean.
    EntryValues Values() const;
};

// The entry options of one parser: declared on construction, read after parsing.
class EntryOptions {
  public:
    explicit EntryOptions(CLI::App& app);
    EntryOptions(const EntryOptions&) = delete;
    EntryOptions& operator=(const EntryOptions&) = delete;

    // The options, in the table's order.
    const std::array<CLI::Option*, kEntryCount>& Options() const { return options_; }
    GivenEntryOptions Given() const;

  private:
    std::array<std::string, kEntryCount> texts_;
    bool flag_ = false;
    std::array<CLI::Option*, kEntryCount> options_{};
};

// The request of the options: the form's defaults, then each option given, as ApplyEntryValues
// reads them (a place first, the options beside it winning over it).
std::optional<ReadError> RequestFromOptions(const GivenEntryOptions& options,
                                            BirthRequest& request);

}  // namespace kalodaya
