#include "records/csv_cells.h"

namespace kalodaya::records {
namespace {

// What spreadsheets take for the start of a formula.
bool StartsFormula(std::string_view text) {
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// A text whose first apostrophe is a mark: the rest would be run, or is itself marked.
bool IsMarked(std::string_view text) {
    if (text.size() < 2 || text.front() != '\'') return false;
    const std::string_view rest = text.substr(1);
    return StartsFormula(rest) || rest.front() == '\'';
}

}  // namespace

std::string SpreadsheetCell(std::string_view text) {
    if (StartsFormula(text) || IsMarked(text)) return "'" + std::string(text);
    return std::string(text);
}

std::string CellText(std::string_view cell) {
    if (IsMarked(cell)) cell.remove_prefix(1);
    return std::string(cell);
}

}  // namespace kalodaya::records
