// Saved birth data kept from the machine's other users: what the store makes is private
// whatever the umask says, and what the user made more open stays as the user made it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>

#include "records/record_store.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

namespace fs = std::filesystem;
using testing::Rama;
using testing::TempFolder;
using testing::WriteFile;

mode_t Mode(const fs::path& path) {
    struct stat entry{};
    return ::stat(path.c_str(), &entry) == 0 ? entry.st_mode & 07777 : 07777;
}

class PermissiveUmask : public ::testing::Test {
  protected:
    void SetUp() override { previous_ = ::umask(0); }
    void TearDown() override { ::umask(previous_); }

  private:
    mode_t previous_ = 0;
};

TEST_F(PermissiveUmask, TheStoresFoldersAndFilesArePrivate) {
    TempFolder folder;
    const fs::path data = folder / "data", kalodaya = data / "kalodaya";
    const fs::path path = kalodaya / "records.sqlite";
    RecordStore store = RecordStore::Open(path);
    ASSERT_TRUE(store.SaveNew(Rama()));
    for (const fs::path& made : {data, kalodaya})
        EXPECT_EQ(Mode(made), 0700u) << made;
    for (const char* suffix : {"", "-wal", "-shm"})
        EXPECT_EQ(Mode(path.string() + suffix), 0600u) << suffix;

    // A file set aside, and the log beside it.
    WriteFile(kalodaya / "damaged.sqlite", std::string(8192, 'x'));
    fs::permissions(kalodaya / "damaged.sqlite", fs::perms(0644));
    RecordStore fresh = RecordStore::Open(kalodaya / "damaged.sqlite");
    ASSERT_TRUE(fresh.notice());
    char today[16];
    const std::time_t now = std::time(nullptr);
    std::strftime(today, sizeof today, "%Y-%m-%d", std::localtime(&now));
    const std::string aside = "damaged-set-aside-" + std::string(today);
    for (const fs::path& file :
         {kalodaya / (aside + ".sqlite"), kalodaya / (aside + ".log"), kalodaya / "damaged.sqlite"})
        EXPECT_EQ(Mode(file), 0600u) << file;
}

TEST_F(PermissiveUmask, WhatTheUserMadeMoreOpenStaysSo) {
    TempFolder folder;
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms(0755));
    { RecordStore store = RecordStore::Open(shared / "records.sqlite"); }
    fs::permissions(shared / "records.sqlite", fs::perms(0644));
    RecordStore store = RecordStore::Open(shared / "records.sqlite");
    ASSERT_TRUE(store.SaveNew(Rama()));
    EXPECT_EQ(Mode(shared), 0755u);
    EXPECT_EQ(Mode(shared / "records.sqlite"), 0644u);
}

}  // namespace
}  // namespace kalodaya::records
