#include "records/csv_table.h"

#include <string_view>

namespace kalodaya::records {

bool CsvReader::ReadLine(std::string& line) {
    if (!std::getline(in_, line)) return false;
    ++line_;
    if (!started_) {
        started_ = true;
        // A byte-order mark, as some spreadsheets write before the header.
        if (line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    }
    return true;
}

std::optional<CsvRow> CsvReader::Next() {
    if (failure_) return std::nullopt;
    std::string line;
    do {
        if (!ReadLine(line)) return std::nullopt;
    } while (line.empty() || line == "\r");

    CsvRow row;
    row.line = line_;
    std::string field;
    bool quoted = false;  // inside a quoted part of the field
    std::size_t at = 0;
    for (;;) {
        if (at == line.size()) {
            if (!quoted) break;
            // A line break inside quotes belongs to the field.
            if (!ReadLine(line)) {
                failure_ = Failure{row.line, "a quoted field is never closed"};
                return std::nullopt;
            }
            field += '\n';
            at = 0;
            continue;
        }
        const char ch = line[at++];
        if (quoted) {
            if (ch != '"') {
                field += ch;
            } else if (at < line.size() && line[at] == '"') {
                field += '"';
                ++at;
            } else {
                quoted = false;
            }
        } else if (ch == '"' && field.empty()) {
            quoted = true;
        } else if (ch == '\r' && at == line.size()) {
            // The CR of a CRLF row end; one inside quotes stays in its field.
        } else if (ch == ',') {
            row.fields.push_back(std::move(field));
            field.clear();
        } else {
            field += ch;  // a stray quote in an unquoted field is kept as written
        }
    }
    row.fields.push_back(std::move(field));
    return row;
}

void AppendCsvRow(std::string& out, std::span<const std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) out += ',';
        first = false;
        const bool needsQuotes = field.find_first_of(",\"\r\n") != std::string::npos ||
                                 (!field.empty() && (field.front() == ' ' || field.back() == ' '));
        if (!needsQuotes) {
            out += field;
            continue;
        }
        out += '"';
        for (char ch : field) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    out += '\n';
}

}  // namespace kalodaya::records
