// kalodaya-chart --batch end to end: JSON request lines in, JSON chart lines out.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cli/batch.h"

namespace {

// Lines of varied births (dates, hours, both hemispheres, zones), all valid.
std::string RequestLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int day = 1 + i % 28, month = 1 + (i / 28) % 12, year = 1901 + i % 150;
        const int hour = i % 24, minute = (i * 7) % 60, second = (i * 13) % 60;
        char line[256];
        std::snprintf(line, sizeof line,
                      R"({"name":"RAMA","date":"%04d-%02d-%02d","time":"%02d:%02d:%02d",)"
                      R"("lat":"%d:%02d%c","lon":"%d:%02d%c","zone":%d,"dst":%s})",
                      year, month, day, hour, minute, second, i % 60, (i * 11) % 60,
                      i % 3 ? 'N' : 'S', (i * 37) % 180, (i * 17) % 60, i % 2 ? 'E' : 'W', i % 71,
                      i % 5 ? "false" : "true");
        text += line;
        text += '\n';
    }
    return text;
}

void BM_Batch(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    const std::string input = RequestLines(count);
    std::size_t bytes = 0;
    for (auto _ : bench) {
        std::istringstream in(input);
        std::ostringstream out;
        kalodaya::cli::RunBatch(in, out);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    bench.SetItemsProcessed(bench.iterations() * count);
    bench.counters["out_bytes_per_chart"] = static_cast<double>(bytes) / count;
}
BENCHMARK(BM_Batch)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
