// Writing a whole file: what the product's exports rely on beyond what their own tests show
// (a name already taken, a link to nothing, a pipe that someone reads).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "base/whole_file.h"

namespace kalodaya {
namespace {

namespace fs = std::filesystem;

class Folder {
  public:
    Folder() {
        std::string pattern = fs::temp_directory_path() / "kalodaya-whole-file-XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WholeFile, ANameAlreadyTakenIsKeptWhenAsked) {
    Folder folder;
    std::ofstream(folder / "taken") << "earlier";
    fs::create_symlink(folder / "nowhere", folder / "dangling");
    for (const char* name : {"taken", "dangling"}) {
        const auto failure = WriteWholeFile(folder / name, "new", ExistingFile::Keep);
        ASSERT_TRUE(failure) << name;
        EXPECT_TRUE(failure->nameTaken);
    }
    EXPECT_EQ(Bytes(folder / "taken"), "earlier");
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
    EXPECT_FALSE(WriteWholeFile(folder / "free", "new", ExistingFile::Keep));
    EXPECT_EQ(Bytes(folder / "free"), "new");
}

TEST(WholeFile, ALinkToNothingMakesTheFileItNames) {
    Folder folder;
    fs::create_symlink("made", folder / "link");
    ASSERT_FALSE(WriteWholeFile(folder / "link", "bytes"));
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_EQ(Bytes(folder / "made"), "bytes");
}

TEST(WholeFile, APipeSomeoneReadsIsWrittenTo) {
    Folder folder;
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    // A writer of the test's own, so that the reader waits for the bytes instead of ending.
    const int holder = open(pipe.c_str(), O_WRONLY);
    ASSERT_GE(holder, 0);
    const std::string bytes(1 << 17, 'x');  // more than the pipe holds at once
    std::string received;
    std::thread reading([&] {
        fcntl(reader, F_SETFL, 0);
        char buffer[4096];
        for (ssize_t got; (got = read(reader, buffer, sizeof buffer)) > 0;) received.append(buffer, got);
    });
    EXPECT_FALSE(WriteWholeFile(pipe, bytes));
    close(holder);
    reading.join();
    close(reader);
    EXPECT_EQ(received.size(), bytes.size());
    EXPECT_TRUE(fs::is_fifo(pipe));
}

}  // namespace
}  // namespace kalodaya
