#include "heftrak/core/factor_table.h"

#include <cstddef>

#include "heftrak/core/quarter_inch.h"

namespace heftrak {

// The index counts quarter inches from the table's first entry.
static_assert(InchFactorTable::kStep == 0.25f);

float FactorFor(const InchFactorTable& table, float inches) {
  const int index = QuarterInchIndex(inches, table.first, EntryCount(table));
  return table.factors[static_cast<std::size_t>(index)];
}

float FactorFor(const PoundFactorTable& table, int pounds) {
  const int last = LastMeasurement(table);
  const int clamped = pounds < table.first ? table.first : pounds > last ? last : pounds;
  return table.factors[static_cast<std::size_t>(clamped - table.first)];
}

}  // namespace heftrak
