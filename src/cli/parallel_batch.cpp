#include "cli/parallel_batch.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "chart/batch_line.h"
#include "cli/line_reader.h"

namespace kalodaya::cli {
namespace {

struct Chunk {
    std::string input;                  // the lines' bytes, one after the other
    std::vector<std::size_t> ends;      // where each line ends in `input`
    std::vector<bool> overlong;         // the line was too long to keep
    std::string output;                 // the answers, once done
    enum class State { Queued, Working, Done } state = State::Queued;
};

// The chunks between the reader and the writer, in input order; workers take the oldest queued
// one, the writer the oldest once it is done.
class ChunkLine {
  public:
    explicit ChunkLine(std::size_t most) : most_(most) {}

    // Waits for room, then queues the chunk; false once the output has failed.
    bool Submit(std::unique_ptr<Chunk> chunk) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return failed_ || chunks_.size() < most_; });
        if (failed_) return false;
        chunks_.push_back(std::move(chunk));
        changed_.notify_all();
        return true;
    }

    // No more chunks will come.
    void Close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

    // A worker's turn: the oldest queued chunk, or none when there will be no more work.
    Chunk* TakeWork() {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (failed_) return nullptr;
            for (auto& chunk : chunks_) {
                if (chunk->state == Chunk::State::Queued) {
                    chunk->state = Chunk::State::Working;
                    return chunk.get();
                }
            }
            if (closed_) return nullptr;
            changed_.wait(lock);
        }
    }

    void Finished(Chunk* chunk) {
        std::lock_guard lock(mutex_);
        chunk->state = Chunk::State::Done;
        changed_.notify_all();
    }

    // An empty chunk for the reader to fill: one the writer has finished with when there is
    // one, so that the large buffers are not allocated and touched anew for every chunk.
    std::unique_ptr<Chunk> Empty() {
        std::lock_guard lock(mutex_);
        if (spare_.empty()) return std::make_unique<Chunk>();
        std::unique_ptr<Chunk> chunk = std::move(spare_.back());
        spare_.pop_back();
        return chunk;
    }

    void GiveBack(std::unique_ptr<Chunk> chunk) {
        chunk->input.clear();
        chunk->ends.clear();
        chunk->overlong.clear();
        chunk->output.clear();
        chunk->state = Chunk::State::Queued;
        std::lock_guard lock(mutex_);
        if (spare_.size() < 2) spare_.push_back(std::move(chunk));
    }

    // The writer's turn: the oldest chunk once it is done, or none at the end.
    std::unique_ptr<Chunk> TakeDone() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] {
            return failed_ || (!chunks_.empty() && chunks_.front()->state == Chunk::State::Done) ||
                   (closed_ && chunks_.empty());
        });
        if (failed_ || chunks_.empty()) return nullptr;
        std::unique_ptr<Chunk> chunk = std::move(chunks_.front());
        chunks_.pop_front();
        changed_.notify_all();
        return chunk;
    }

    // The output cannot be written: everyone stops.
    void Fail() {
        std::lock_guard lock(mutex_);
        failed_ = true;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<Chunk>> chunks_;
    std::vector<std::unique_ptr<Chunk>> spare_;
    std::size_t most_;
    bool closed_ = false;
    bool failed_ = false;
};

void Work(ChunkLine& line, ChartOptions options) {
    BatchScratch scratch;
    scratch.options = options;
    while (Chunk* chunk = line.TakeWork()) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < chunk->ends.size(); ++i) {
            const std::string_view text(chunk->input.data() + start, chunk->ends[i] - start);
            if (chunk->overlong[i])
                AnswerOverlongLine(kLongestRequestLine, chunk->output);
            else
                AnswerRequestLine(text, scratch, chunk->output);
            start = chunk->ends[i];
        }
        line.Finished(chunk);
    }
}

void WriteInOrder(ChunkLine& line, ByteOutput& out, bool& written) {
    while (std::unique_ptr<Chunk> chunk = line.TakeDone()) {
        if (!out.Write(chunk->output)) {
            written = false;
            line.Fail();
            return;
        }
        line.GiveBack(std::move(chunk));
    }
}

}  // namespace

BatchResult RunBatchInParallel(ByteInput& in, ByteOutput& out, int jobs,
                               const ChartOptions& options) {
    ChunkLine line(ChunksAhead(jobs));
    bool written = true;
    std::vector<std::thread> workers;
    for (int i = 0; i < jobs; ++i) workers.emplace_back(Work, std::ref(line), options);
    std::thread writer(WriteInOrder, std::ref(line), std::ref(out), std::ref(written));

    LineReader lines(in, kLongestRequestLine);
    std::unique_ptr<Chunk> chunk = line.Empty();
    bool open = true;
    const std::function<void()> submit = [&] {
        if (!open || chunk->ends.empty()) return;
        open = line.Submit(std::move(chunk));
        chunk = line.Empty();
    };
    // When the reader would wait, the lines read so far go to the workers: their answers go
    // out while the caller writes the next line.
    while (open) {
        const std::optional<InputLine> next = lines.Next(submit);
        if (!next) break;
        chunk->input.append(next->text);
        chunk->ends.push_back(chunk->input.size());
        chunk->overlong.push_back(next->overlong);
        if (chunk->ends.size() >= kChunkLines || chunk->input.size() >= kChunkBytes) submit();
    }
    submit();
    line.Close();
    for (std::thread& worker : workers) worker.join();
    writer.join();
    if (!written) return {false, out.Error()};
    if (!in.Error().empty()) return {false, in.Error()};
    return {};
}

}  // namespace kalodaya::cli
