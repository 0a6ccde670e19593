#pragma once
// --batch on several threads: lines are answered in chunks by worker threads and the answers
// written strictly in input order.
#include <cstddef>

#include "cli/batch.h"
#include "cli/byte_streams.h"

namespace kalodaya::cli {

// A chunk closes at this many lines or input bytes, or when the reader would have to wait.
inline constexpr std::size_t kChunkLines = 256;
inline constexpr std::size_t kChunkBytes = std::size_t{1} << 16;

// How many chunks may be read but not yet written: the reader waits beyond that, so memory
// stays bounded however fast the input comes and however slowly the output is taken.
inline constexpr std::size_t ChunksAhead(int jobs) { return 2 * static_cast<std::size_t>(jobs) + 2; }

// Answers every line of `in` with `jobs` worker threads (at least 2); the output is byte for byte
// that of the single-threaded batch.
BatchResult RunBatchInParallel(ByteInput& in, ByteOutput& out, int jobs,
                               const ChartOptions& options = {});

}  // namespace kalodaya::cli
