#include "records/csv_table.h"

#include <string>

namespace kalodaya::records {

std::optional<CsvRow> CsvReader::Next() {
    if (failure_) return std::nullopt;
    CsvRow row;
    row.line = line_ + 1;
    std::string field;
    bool begun = false;       // something of the field has been read (a quote counts)
    bool quoted = false;      // inside a quoted part of the field
    bool quoteSeen = false;   // a quote inside a quoted part: its end, or the first of two
    bool returnSeen = false;  // a CR outside quotes: dropped when the line ends right after it
    bool blank = true;        // nothing on the row yet but a CR
    std::size_t size = 0;     // the row's bytes so far, its line end left out
    const auto keep = [&](char ch) {
        begun = true;
        if (!row.overlong) field += ch;
    };
    const auto endField = [&] {
        if (!row.overlong) row.fields.push_back(std::move(field));
        field.clear();
        begun = false;
    };
    char ch;
    while (in_.get(ch)) {
        if (ch != '\n' || (quoted && !quoteSeen)) ++size;
        if (size > longest_ + 1 && !row.overlong) {
            // Too long to keep: read on to the row's end, keeping nothing.
            row.overlong = true;
            row.fields.clear();
            field.clear();
        }
        if (quoted) {
            if (quoteSeen) {
                quoteSeen = false;
                if (ch == '"') {
                    keep('"');
                    continue;
                }
                quoted = false;  // and `ch` is read as outside quotes
            } else if (ch == '"') {
                quoteSeen = true;
                continue;
            } else {
                if (ch == '\n') ++line_;  // a line break inside quotes belongs to the field
                keep(ch);
                continue;
            }
        }
        if (returnSeen) {
            returnSeen = false;
            if (ch != '\n')
                keep('\r');
            else
                --size;  // the CR of a CRLF row end
        }
        if (ch == '\n') {
            ++line_;
            if (blank) {
                row.line = line_ + 1;
                size = 0;
                continue;
            }
            break;
        }
        if (ch == '\r') {
            returnSeen = true;
            continue;
        }
        blank = false;
        if (ch == '"' && !begun) {
            quoted = begun = true;
        } else if (ch == ',') {
            endField();
        } else {
            keep(ch);  // a stray quote in an unquoted field is kept as written
            // A byte-order mark, as some spreadsheets write before the header.
            if (line_ == 0 && row.fields.empty() && field == "\xEF\xBB\xBF") {
                field.clear();
                begun = false;
                blank = true;
            }
        }
    }
    if (quoted && !quoteSeen) {
        failure_ = Failure{row.line, "a quoted field is never closed"};
        return std::nullopt;
    }
    if (blank) return std::nullopt;  // the end of the input
    if (returnSeen) --size;
    row.overlong = row.overlong || size > longest_;
    endField();
    if (row.overlong) row.fields.clear();
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
