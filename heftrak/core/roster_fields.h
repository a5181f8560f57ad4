// A roster row as the texts a clerk would type into the weight control
// window's fields: the readings of neck go to the calculator of the row's sex.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "heftrak/core/fields.h"
#include "roster/core/program.h"

namespace heftrak {

// The roster's figure columns, in this order; each site has three readings.
enum RosterFigure : int {
  kAgeCell = 0,
  kSexCell = 1,
  kHeightCell = 2,
  kWeightCell = 3,
  kAbdomenCells = 4,
  kNeckCells = 7,
  kHipsCells = 10,
  kForearmCells = 13,
  kWristCells = 16,
  kRosterFigures = 19,
};

struct RowFields {
  std::array<std::string, kMainFieldCount> texts{};
  bool readings = false;  // some reading is entered: Calculate has something to do
  std::string refusal;    // set: no field could hold a cell as typed
};

// `cells` in RosterFigure order; `columns` name them in refusals.
RowFields FieldsOfRow(std::span<const std::string_view> cells,
                      std::span<const roster::FigureColumn> columns);

}  // namespace heftrak
