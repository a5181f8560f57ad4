// A body-fat factor table, described once for both its lookup and the chart
// that lists it: the measurement of the first entry and the factors, one for
// each step up from there. The first and last entries bound the domain; a
// measurement beyond either end takes the factor of that end.
#pragma once

#include <span>

namespace heftrak {

// Heights and circumferences: one factor per quarter inch.
struct InchFactorTable {
  static constexpr float kStep = 0.25f;
  float first = 0.0f;
  std::span<const float> factors;
};

// Body weight: one factor per whole pound.
struct PoundFactorTable {
  static constexpr int kStep = 1;
  int first = 0;
  std::span<const float> factors;
};

template <typename Table>
constexpr int EntryCount(const Table& table) {
  return static_cast<int>(table.factors.size());
}

// The measurement entry `index` stands for. Quarter steps are exact in a
// float, so each is the very grid value that finds this entry.
template <typename Table>
constexpr auto MeasurementAt(const Table& table, int index) {
  return table.first + Table::kStep * static_cast<decltype(table.first)>(index);
}

template <typename Table>
constexpr auto LastMeasurement(const Table& table) {
  return MeasurementAt(table, EntryCount(table) - 1);
}

// The factor for a measurement clamped into the table. An inch figure off the
// quarter grid takes the quarter below it.
float FactorFor(const InchFactorTable& table, float inches);
float FactorFor(const PoundFactorTable& table, int pounds);

}  // namespace heftrak
