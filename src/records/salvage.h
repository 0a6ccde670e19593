#pragma once
// What can still be read from a damaged records file: the records and kept places on the pages
// that read back, so that a damaged page costs the rows on it and not the whole file.
#include <filesystem>
#include <vector>

#include "records/record.h"

namespace kalodaya::records {

struct Salvage {
    std::vector<Record> records;  // each one the form could hold, with its times
    std::vector<Place> places;
};

// Reads the database at `path` (with its -wal file) without changing it.
Salvage SalvageFile(const std::filesystem::path& path);

}  // namespace kalodaya::records
