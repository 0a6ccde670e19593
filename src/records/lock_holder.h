#pragma once
// Who holds the records file's locks, for the message when waiting for another program did
// not help.
#include <filesystem>
#include <string>

namespace kalodaya::records {

// "the records file is locked by another program (kalodaya-chart, process 4242)"; without the
// parenthesis when the holder cannot be told. Read from the system's list of file locks, so
// that no descriptor of the file is opened (closing one would drop this process's own locks).
std::string LockedFileText(const std::filesystem::path& database);

}  // namespace kalodaya::records
