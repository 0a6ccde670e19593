#include "cli/batch.h"

#include <functional>
#include <istream>
#include <ostream>

#include "chart/batch_line.h"
#include "cli/line_reader.h"
#include "cli/parallel_batch.h"

namespace kalodaya::cli {
namespace {

// Answers are gathered and written in pieces of about this size.
constexpr std::size_t kOutputPiece = 1 << 16;

}  // namespace

BatchResult RunBatch(ByteInput& in, ByteOutput& out, int jobs, const ChartOptions& options) {
    if (jobs > 1) return RunBatchInParallel(in, out, jobs, options);
    BatchScratch scratch;
    scratch.options = options;
    LineReader lines(in, kLongestRequestLine);
    std::string pending;
    pending.reserve(kOutputPiece + 8192);
    bool written = true;
    const std::function<void()> writeOut = [&] {
        if (written && !pending.empty()) written = out.Write(pending);
        pending.clear();
    };
    while (written) {
        const std::optional<InputLine> line = lines.Next(writeOut);
        if (!line) break;
        if (line->overlong)
            AnswerOverlongLine(kLongestRequestLine, pending);
        else
            AnswerRequestLine(line->text, scratch, pending);
        if (pending.size() >= kOutputPiece) writeOut();
    }
    writeOut();
    if (!written) return {false, out.Error()};
    if (!in.Error().empty()) return {false, in.Error()};
    return {};
}

bool RunBatch(std::istream& in, std::ostream& out, int jobs, const ChartOptions& options) {
    StreamInput input(in);
    StreamOutput output(out);
    return RunBatch(input, output, jobs, options).ok;
}

}  // namespace kalodaya::cli
