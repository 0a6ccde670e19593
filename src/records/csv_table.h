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
    std::vector<std::string> fields;
};

class CsvReader {
  public:
    explicit CsvReader(std::istream& in) : in_(in) {}

    // The next row that is not blank, or nothing at the end of the input or after an error.
    std::optional<CsvRow> Next();

    // Why reading stopped early: a quoted field left open on the row starting at that line.
    struct Failure {
        int line = 0;
        std::string message;
    };
    const std::optional<Failure>& failure() const { return failure_; }

  private:
    bool ReadLine(std::string& line);

    std::istream& in_;
    int line_ = 0;
    bool started_ = false;
    std::optional<Failure> failure_;
};

// Appends one row and its LF; fields are quoted only when they need it.
void AppendCsvRow(std::string& out, std::span<const std::string> fields);

}  // namespace kalodaya::records
