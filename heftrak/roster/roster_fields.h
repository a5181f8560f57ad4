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

// The figure columns as the header names them, in RosterFigure order.
inline constexpr roster::FigureColumn kFigureColumns[kRosterFigures] = {
    {"age", true},
    {"sex", true},
    {"height", true},
    {"weight", true},
    {"abdomen1", false, true},
    {"abdomen2", false, true},
    {"abdomen3", false, true},
    {"neck1", false, true},
    {"neck2", false, true},
    {"neck3", false, true},
    {"hips1", false, true},
    {"hips2", false, true},
    {"hips3", false, true},
    {"forearm1", false, true},
    {"forearm2", false, true},
    {"forearm3", false, true},
    {"wrist1", false, true},
    {"wrist2", false, true},
    {"wrist3", false, true},
};

// The fields' texts: views of the row's cells (or of constants). A row
// fills a dozen of the sixty fields, listed in `filled`, so that loading
// them and clearing them for the next row touches only those.
struct RowFields {
  std::array<std::string_view, kMainFieldCount> texts{};
  std::array<FieldId, kMainFieldCount> filled{};
  std::size_t filledCount = 0;
  bool readings = false;  // some reading is entered: Calculate has something to do

  void Fill(FieldId field, std::string_view text) {
    if (!text.empty() && filledCount < filled.size()) {
      texts[static_cast<std::size_t>(field)] = text;
      filled[filledCount++] = field;
    }
  }
};

// `cells` in RosterFigure order; `columns` name them in refusals. False when
// no field could hold a cell as typed, and `refusal` then says why.
bool FieldsOfRow(std::span<const std::string_view> cells,
                 std::span<const roster::FigureColumn> columns, RowFields& row,
                 std::string& refusal);

}  // namespace heftrak
