#pragma once
// Text cells a spreadsheet shows as text. A spreadsheet runs a cell that starts with '=', '+',
// '-', '@', a tab or a carriage return as a formula (a note "=HYPERLINK(...)" would become a
// link); such a cell is written after an apostrophe, which spreadsheets show as the text itself,
// and the apostrophe is taken off again on import.
#include <string>
#include <string_view>

namespace kalodaya::records {

// The cell for `text`: an apostrophe before a text that a spreadsheet would run, and before one
// that starts with an apostrophe followed by such a character or a second apostrophe (so that
// it is not taken for a marked text on the way back); every other text as it is.
std::string SpreadsheetCell(std::string_view text);

// The reverse: the text of a cell that SpreadsheetCell wrote. A cell it did not mark (a plain
// text, "'s-Hertogenbosch") is its own text.
std::string CellText(std::string_view cell);

}  // namespace kalodaya::records
