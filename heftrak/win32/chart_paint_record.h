// A record of what the chart dialogs paint, for whoever needs to know it
// without reading pixels back (a window under a display-less driver has none).
#pragma once

#include <vector>

#include "heftrak/core/chart_rows.h"

namespace heftrak {

// While `record` is set, every chart paint appends its panels, each with the
// texts drawn on it, in drawing order. Pass nullptr to stop recording.
void RecordChartPaint(std::vector<ChartPanel>* record);

}  // namespace heftrak
