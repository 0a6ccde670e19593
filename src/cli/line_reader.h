#pragma once
// Complete lines from a byte input, in bounded memory.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/byte_streams.h"

namespace kalodaya::cli {

struct InputLine {
    std::string_view text;  // without "\n" or "\r\n"; valid until the next call
    bool overlong = false;  // longer than the reader keeps: text is empty, the bytes are skipped
};

class LineReader {
  public:
    LineReader(ByteInput& in, std::size_t longestLine);

    // The next line, or nothing at the end of the input (a last line without a line end
    // counts). When no complete line is at hand and the input has nothing ready,
    // `beforeWaiting` is called first: what was answered so far can go out while the reader
    // waits.
    std::optional<InputLine> Next(const std::function<void()>& beforeWaiting);

  private:
    // Reads more bytes behind the kept ones; false at the end of the input.
    bool Fill(const std::function<void()>& beforeWaiting);
    InputLine Take(std::size_t end, std::size_t next);

    ByteInput& in_;
    std::size_t longest_;
    std::string buffer_;
    std::size_t start_ = 0;    // first byte not yet handed out
    std::size_t end_ = 0;      // end of the bytes read
    std::size_t scanned_ = 0;  // bytes from start_ known to hold no line end
    bool skipping_ = false;    // inside an overlong line, dropping bytes up to its end
    bool ended_ = false;
};

}  // namespace kalodaya::cli
