// VORNA's own requests (the scoring chart's) as readable lines, for the
// tables of requests.
#pragma once

#include <string>

#include "shell/core/requests.h"
#include "vorna/core/chart.h"

namespace vorna {

inline std::string ChartLine(const shell::Request& r) {
  switch (r.target) {
    case kEmptyChart:
      return "chart emptied";
    case kWipeChartTitle:
      return "chart title wiped";
    case kShowChart: {
      const ChartShown chart = ChartOf(r);
      return std::string("chart ") + ChartHeader(chart.kind) + " " +
             ChartTitle(chart.age, chart.sex);
    }
    default:
      return "program " + std::to_string(r.target);
  }
}

}  // namespace vorna
