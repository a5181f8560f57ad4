// The scoring chart: for the event whose field has the focus, every raw score
// with its points for the accepted age group and sex, as the list shows it.
#pragma once

#include <string>
#include <vector>

#include "shell/core/requests.h"

namespace vorna {

enum class ChartKind { None, Pushups, Situps, Run };

// What only VORNA's window does, asked for with shell::RequestKind::Program:
// the scoring chart list, its title and its header.
enum ProgramRequest : int {
  kEmptyChart = 1,      // the rows, the title and the header taken away
  kWipeChartTitle = 2,  // the title and the header taken away, the rows kept
  kShowChart = 3,       // a chart listed, titled and headed (ShowChart)
};

// The chart a focus move brings: an event's column for an age and sex.
struct ChartShown {
  ChartKind kind = ChartKind::None;
  int age = 0;
  char sex = 'M';
};

// The kShowChart request, and the chart it asks for.
void ShowChart(shell::RequestList& requests, const ChartShown& chart);
ChartShown ChartOf(const shell::Request& request);

// The chart an entry field shows: push-ups, sit-ups, or the run for either
// run field; none for Age and Sex.
ChartKind ChartKindOf(int field);

// "Pushups-Points", "Situps-Points", "Time-Points"; empty for none.
const char* ChartHeader(ChartKind kind);

// The age group and sex, e.g. "22-26, Female": "Male" for 'M', else "Female".
std::string ChartTitle(int age, char sex);

// The rows in list order, highest raw score (fastest time) first. Only rows
// worth 100 points or less are listed; the run stops after its first row
// worth exactly 0 points, or at 26:30.
std::vector<std::string> ChartRows(ChartKind kind, int age, char sex);

}  // namespace vorna
