// Fuzz target: kalodaya-chart --batch over arbitrary input lines.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/batch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    kalodaya::cli::RunBatch(in, out);
    return 0;
}
