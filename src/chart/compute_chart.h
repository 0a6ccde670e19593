#pragma once
// The chart of one request: a pure function of the request (no state survives between calls,
// and it may be called from several threads at once).
#include "request/chart_request.h"
#include "chart/chart_result.h"

namespace kalodaya {

ChartResult ComputeChart(const ChartRequest& request);

}  // namespace kalodaya
