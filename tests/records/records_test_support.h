#pragma once
// Temporary folders and varied records for the records tests.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "records/record.h"
#include "support/test_system.h"

namespace kalodaya::records::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() : path_(kalodaya::testing::MakeTemporaryFolder("kalodaya-records")) {}
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The worked example as the form holds it.
inline Record Rama() {
    Record r;
    r.name = "RAMA";
    r.year = 1990;
    r.month = 8;
    r.day = 15;
    r.hour = 10;
    r.minute = 30;
    r.city = "New Delhi";
    r.state = "Delhi";
    r.country = "India";
    r.latitude = {28, 39, true};
    r.longitude = {77, 13, true};
    r.zone = ZoneEntry{34};
    return r;
}

// Record number `i` of a varied set: every field takes several forms, among them blank
// coordinate boxes, exact offsets with seconds, texts with commas, quotes, line breaks and
// letters beyond ASCII, and the extremes of every list.
Record VariedRecord(int i);

}  // namespace kalodaya::records::testing
