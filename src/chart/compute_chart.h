#pragma once
// The chart of one request: a pure function of the request (no state survives between calls,
// and it may be called from several threads at once).
#include "request/chart_request.h"
#include "chart/chart_result.h"

namespace kalodaya {

ChartResult ComputeChart(const ChartRequest& request);

class SunEventMemo;
// The same, taking the sun events of days `memo` already holds for this request's place, zone
// and daylight box (and keeping those it computes): for searches over one request's birth times.
ChartResult ComputeChart(const ChartRequest& request, SunEventMemo& memo);

}  // namespace kalodaya
