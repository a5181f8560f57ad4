// The scoring chart: for the event whose field has the focus, every raw score
// with its points for the accepted age group and sex, as the list shows it.
#pragma once

#include <string>
#include <vector>

namespace vorna {

enum class ChartKind { None, Pushups, Situps, Run };

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
