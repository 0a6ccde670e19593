#include "chart/batch_line.h"

#include <nlohmann/json.hpp>

#include "chart/chart_json.h"
#include "request/request_line.h"

namespace kalodaya {
namespace {

void AppendError(std::string& out, const std::string& error) {
    // Messages may quote the line's bytes, which need not be UTF-8.
    out += nlohmann::ordered_json{{"valid", false}, {"message", nullptr}, {"error", error}}.dump(
        -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    out += '\n';
}

}  // namespace

void AnswerRequestLine(std::string_view line, BatchScratch& scratch, std::string& out) {
    BirthRequest request;
    if (auto error = ReadRequestLine(line, request)) {
        AppendError(out, error->message);
        return;
    }
    ChartOptions options = scratch.options;
    if (request.language) options.language = request.language;
    RequestChartInto(request, scratch.outcome, options);
    if (!scratch.outcome.rangeError.empty()) {
        AppendError(out, "unusable time_range: " + scratch.outcome.rangeError);
        return;
    }
    // Written straight as text: the same bytes as ChartJson(...).dump(-1, ' ', false,
    // error_handler_t::replace), without building the object.
    AppendChartJsonText(out, scratch.outcome, scratch.json);
    out += '\n';
}

void AnswerOverlongLine(std::size_t longest, std::string& out) {
    AppendError(out, "the line is longer than " + std::to_string(longest) + " bytes");
}

}  // namespace kalodaya
