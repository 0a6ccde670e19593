// kalodaya-chart --batch end to end: JSON request lines in, JSON chart lines out.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli/batch.h"

namespace {

// Lines of varied births (dates, hours, both hemispheres, zones), all valid; `settings` adds
// members to each (the calculation settings).
std::string RequestLines(int count, const char* settings = "") {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int day = 1 + i % 28, month = 1 + (i / 28) % 12, year = 1901 + i % 150;
        const int hour = i % 24, minute = (i * 7) % 60, second = (i * 13) % 60;
        char line[256];
        std::snprintf(line, sizeof line,
                      R"({"name":"RAMA","date":"%04d-%02d-%02d","time":"%02d:%02d:%02d",)"
                      R"("lat":"%d:%02d%c","lon":"%d:%02d%c","zone":%d,"dst":%s%s})",
                      year, month, day, hour, minute, second, i % 60, (i * 11) % 60,
                      i % 3 ? 'N' : 'S', (i * 37) % 180, (i * 17) % 60, i % 2 ? 'E' : 'W', i % 71,
                      i % 5 ? "false" : "true", settings);
        text += line;
        text += '\n';
    }
    return text;
}

// Output that goes nowhere, as to /dev/null, counting its bytes (a string stream would add
// the growth of a 36 MB string to every run).
class CountingSink : public std::streambuf {
  public:
    std::size_t bytes = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += static_cast<std::size_t>(n);
        return n;
    }
    int_type overflow(int_type ch) override {
        if (!traits_type::eq_int_type(ch, traits_type::eof())) ++bytes;
        return traits_type::not_eof(ch);
    }
};

void RunLines(benchmark::State& bench, const std::string& input, int count, int jobs = 1,
              bool timeWindows = false) {
    std::size_t bytes = 0;
    for (auto _ : bench) {
        std::istringstream in(input);
        CountingSink sink;
        std::ostream out(&sink);
        kalodaya::cli::RunBatch(in, out, jobs, kalodaya::ChartOptions{timeWindows, std::nullopt});
        bytes = sink.bytes;
        benchmark::DoNotOptimize(bytes);
    }
    bench.SetItemsProcessed(bench.iterations() * count);
    bench.counters["out_bytes_per_chart"] = static_cast<double>(bytes) / count;
}

void BM_Batch(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    RunLines(bench, RequestLines(count), count);
}
BENCHMARK(BM_Batch)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same lines with the modern calculation (the Swiss Ephemeris' Moshier theory, Lahiri),
// on one thread.
void BM_BatchModern(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    RunLines(bench, RequestLines(count, R"(,"ephemeris":"modern","ayanamsa":"lahiri")"), count);
}
BENCHMARK(BM_BatchModern)->Arg(2000)->Unit(benchmark::kMillisecond);

// --batch --time-windows: every chart with its birth-time windows, on one thread.
void BM_BatchTimeWindows(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    RunLines(bench, RequestLines(count), count, 1, true);
}
BENCHMARK(BM_BatchTimeWindows)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same lines on several threads (--jobs); wall-clock time is what a caller waits.
void BM_BatchJobs(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    RunLines(bench, RequestLines(count), count, static_cast<int>(bench.range(1)));
}
BENCHMARK(BM_BatchJobs)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Args({10000, 4})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Every line as a batch may bring it: most charts computed, some polar (75 N in June and
// December), some failing an entry check, some unusable, and place names to escape.
void BM_BatchMixed(benchmark::State& bench) {
    const int count = static_cast<int>(bench.range(0));
    const std::string valid = RequestLines(count);
    std::string input;
    std::size_t start = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t end = valid.find('\n', start);
        std::string line = valid.substr(start, end - start);
        start = end + 1;
        switch (i % 10) {
            case 1:  // polar
                line = R"({"name":"SIGRID","date":"1990-06-21","time":"12:00:00","lat":"75:00N",)"
                       R"("lon":"10:00E","zone":20})";
                if (i % 20 == 1) line.replace(line.find("06-21"), 5, "12-21");
                break;
            case 3: {  // an entry check fails: latitude 95
                const std::size_t at = line.find("\"lat\":\"") + 7;
                line.replace(at, line.find('"', at) - at, "95:00N");
                break;
            }
            case 5:  // unusable
                line = R"({"name":"RAMA","date":"1990-8-15"})";
                break;
            case 7:  // a place to escape
                line.insert(line.size() - 1, R"(,"city":"Troms\u00f8 \"Nord\"","country":"Norge")");
                break;
            default:
                break;
        }
        input += line;
        input += '\n';
    }
    RunLines(bench, input, count);
}
BENCHMARK(BM_BatchMixed)->Arg(10000)->Unit(benchmark::kMillisecond);

// The fixed mixes of the golden file's requests: all of them (polar places and refused entries
// included), and those at latitudes below 60 degrees.
std::string GoldenLines(bool below60, int& count) {
    std::ifstream file(KALODAYA_SOURCE_DIR "/tests/golden/requests.jsonl");
    std::string line, text;
    count = 0;
    while (std::getline(file, line)) {
        if (below60) {
            const std::size_t at = line.find("\"lat\":\"");
            if (at == std::string::npos || std::atoi(line.c_str() + at + 7) >= 60) continue;
        }
        text += line;
        text += '\n';
        ++count;
    }
    return text;
}

void BM_BatchGolden(benchmark::State& bench) {
    int count = 0;
    const std::string input = GoldenLines(bench.range(0) == 1, count);
    RunLines(bench, input, count);
}
// Argument 0: the whole golden mix; 1: latitudes below 60 degrees.
BENCHMARK(BM_BatchGolden)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
