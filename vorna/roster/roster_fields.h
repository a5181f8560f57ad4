// A roster row as the texts a clerk would type into the fitness test
// window's six entry fields.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "roster/core/program.h"
#include "vorna/core/fields.h"

namespace vorna {

// The roster's figure columns, in this order.
enum RosterFigure : int {
  kAgeCell,
  kSexCell,
  kPushupsCell,
  kSitupsCell,
  kRunCell,
  kRosterFigures,
};

// The figure columns as the header names them, in RosterFigure order.
inline constexpr roster::FigureColumn kFigureColumns[kRosterFigures] = {
    {"age", true},          {"sex", true},       {"pushups", true, true},
    {"situps", true, true}, {"run", true, true},
};

// The fields' texts: views of the row's cells (or of constants).
using RowFields = std::array<std::string_view, kEntryFieldCount>;

// `cells` in RosterFigure order; `columns` name them in refusals. False when
// no field could hold a cell as typed, and `refusal` then says why.
bool FieldsOfRow(std::span<const std::string_view> cells,
                 std::span<const roster::FigureColumn> columns, RowFields& texts,
                 std::string& refusal);

}  // namespace vorna
