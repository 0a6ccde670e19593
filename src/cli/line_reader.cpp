#include "cli/line_reader.h"

#include <cstring>

namespace kalodaya::cli {
namespace {

constexpr std::size_t kReadSize = 1 << 16;

}  // namespace

LineReader::LineReader(ByteInput& in, std::size_t longestLine)
    : in_(in), longest_(longestLine), buffer_(kReadSize, '\0') {}

InputLine LineReader::Take(std::size_t end, std::size_t next) {
    std::string_view text(buffer_.data() + start_, end - start_);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const bool overlong = skipping_ || text.size() > longest_;
    start_ = next;
    scanned_ = 0;
    skipping_ = false;
    if (overlong) return {{}, true};
    return {text, false};
}

bool LineReader::Fill(const std::function<void()>& beforeWaiting) {
    if (ended_) return false;
    // Keep the unfinished line at the front, and make room for it when it is long.
    if (start_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    if (buffer_.size() - end_ < kReadSize / 2) buffer_.resize(end_ + kReadSize);
    if (beforeWaiting && !in_.Ready()) beforeWaiting();
    const std::size_t got = in_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (got == 0) {
        ended_ = true;
        return false;
    }
    end_ += got;
    return true;
}

std::optional<InputLine> LineReader::Next(const std::function<void()>& beforeWaiting) {
    for (;;) {
        const char* from = buffer_.data() + start_ + scanned_;
        const auto* found =
            static_cast<const char*>(std::memchr(from, '\n', end_ - start_ - scanned_));
        if (found) {
            const auto end = static_cast<std::size_t>(found - buffer_.data());
            return Take(end, end + 1);
        }
        scanned_ = end_ - start_;
        if (scanned_ > longest_ + 1) {  // + 1: room for the '\r' of a "\r\n" line end
            // Too long to keep: what there is of the line is dropped, and the rest up to its
            // end as it comes.
            skipping_ = true;
            start_ = end_;
            scanned_ = 0;
        }
        if (!Fill(beforeWaiting)) {
            if (start_ == end_ && !skipping_) return std::nullopt;
            return Take(end_, end_);
        }
    }
}

}  // namespace kalodaya::cli
