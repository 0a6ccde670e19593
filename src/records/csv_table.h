#pragma once
// Comma-separated values as spreadsheets write them (RFC 4180): fields in double quotes may
// hold commas, quotes (doubled) and line breaks; rows end in LF or CRLF.
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kalodaya::records {

struct CsvRow {
    int line = 0;  // the file line the row starts on, from 1
    std::vector<std::string> fields;  // none when the row is overlong
    bool overlong = false;  // longer than the reader keeps; its bytes were read past
};

class CsvReader {
  public:
    // Rows longer than `longestRow` bytes (line end left out) are read past in bounded memory.
    explicit CsvReader(std::istream& in, std::size_t longestRow = std::size_t(-1) / 2)
        : in_(in), longest_(longestRow) {}

    // The next row that is not blank, or nothing at the end of the input or after an error.
    std::optional<CsvRow> Next();

    // Why reading stopped early: a quoted field left open on the row starting at that line.
    struct Failure {
        int line = 0;
        std::string message;
    };
    const std::optional<Failure>& failure() const { return failure_; }

  private:
    std::istream& in_;
    std::size_t longest_;
    int line_ = 0;  // the file lines read to their end
    std::optional<Failure> failure_;
};

// Appends one row and its LF; fields are quoted only when they need it.
void AppendCsvRow(std::string& out, std::span<const std::string> fields);

}  // namespace kalodaya::records
