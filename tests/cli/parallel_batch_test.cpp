// --batch on several threads: the same bytes as on one, in input order across chunk borders;
// a reader that stays a few chunks ahead of output that is not taken; a failed write that
// stops everyone.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "cli/batch.h"
#include "cli/parallel_batch.h"

namespace kalodaya::cli {
namespace {

using namespace std::chrono_literals;

// `count` request lines of every kind: charts, failed checks, bad lines, CRLF ends, blanks.
std::string Lines(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char line[200];
        std::snprintf(line, sizeof line,
                      R"({"name":"RAMA","date":"19%02zu-%02zu-%02zu","time":"10:%02zu:00",)"
                      R"("lat":"%zu:00N","lon":"77:13E","zone":%zu})",
                      10 + i % 90, 1 + i % 12, 1 + i % 28, i % 60, i % 95, i % 71);
        text += line;
        switch (i % 9) {
            case 2: text += "\r"; break;
            case 4: text += "\n"; break;  // a blank line after it
            case 6: text += " x"; break;
            default: break;
        }
        text += '\n';
    }
    return text;
}

std::string Batch(const std::string& input, int jobs) {
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_TRUE(RunBatch(in, out, jobs));
    return out.str();
}

TEST(ParallelBatch, SameBytesAsOneThreadAcrossChunkBorders) {
    const std::string overlong = "{\"city\":\"" + std::string(kLongestRequestLine, 'x') + "\"}\n";
    for (const std::size_t count :
         {std::size_t{0}, std::size_t{1}, kChunkLines - 1, kChunkLines, kChunkLines + 1,
          3 * kChunkLines + 7}) {
        std::string input = Lines(count);
        if (count == kChunkLines + 1) input.insert(input.size() / 2, overlong);
        if (count == 3 * kChunkLines + 7) input.pop_back();  // no line end on the last line
        const std::string one = Batch(input, 1);
        for (int jobs : {2, 5}) EXPECT_EQ(Batch(input, jobs), one) << count << " lines, " << jobs;
    }
}

// Input in memory that counts how much of it has been read.
class CountingInput : public ByteInput {
  public:
    explicit CountingInput(std::string text) : text_(std::move(text)) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, text_.size() - at_);
        text_.copy(buffer, n, at_);
        at_ += n;
        read_ = at_;
        return n;
    }
    bool Ready() override { return true; }
    std::size_t BytesRead() const { return read_; }

  private:
    std::string text_;
    std::size_t at_ = 0;
    std::atomic<std::size_t> read_{0};
};

// Output that is not taken until the test opens the gate.
class GatedOutput : public ByteOutput {
  public:
    bool Write(std::string_view bytes) override {
        std::unique_lock lock(mutex_);
        opened_.wait(lock, [&] { return open_; });
        text += bytes;
        return true;
    }
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }
    std::string text;

  private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

TEST(ParallelBatch, TheReaderStaysAFewChunksAheadOfTheOutput) {
    const std::string input = Lines(100 * kChunkLines);
    const std::size_t lineSize = input.size() / (100 * kChunkLines) + 1;
    CountingInput in(input);
    GatedOutput out;
    BatchResult result;
    std::thread batch([&] { result = RunBatch(in, out, 2); });

    // Wait until reading stops (the output is not taken), then look at how far it got.
    std::size_t read = 0;
    for (int stable = 0, waited = 0; stable < 15 && waited < 1000; ++waited) {
        std::this_thread::sleep_for(20ms);
        const std::size_t now = in.BytesRead();
        stable = now == read ? stable + 1 : 0;
        read = now;
    }
    // The chunks in line, the one being written, the one being filled, and the reader's buffer.
    const std::size_t most = (ChunksAhead(2) + 2) * kChunkLines * lineSize + (std::size_t{1} << 17);
    EXPECT_LT(read, most);
    EXPECT_LT(read, input.size() / 4);

    out.Open();
    batch.join();
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(out.text, Batch(input, 1));
}

// Output that fails from its second write on.
class FailingOutput : public ByteOutput {
  public:
    bool Write(std::string_view) override {
        if (++writes_ < 2) return true;
        error_ = "cannot write the output: No space left on device";
        return false;
    }

  private:
    int writes_ = 0;
};

TEST(ParallelBatch, AFailedWriteStopsTheBatchWithItsReason) {
    for (int jobs : {1, 2, 4}) {
        CountingInput in(Lines(50 * kChunkLines));
        FailingOutput out;
        const BatchResult result = RunBatch(in, out, jobs);
        EXPECT_FALSE(result.ok) << jobs;
        EXPECT_EQ(result.error, "cannot write the output: No space left on device") << jobs;
    }
}

}  // namespace
}  // namespace kalodaya::cli
