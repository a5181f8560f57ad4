#include "vorna/roster/roster_fields.h"

#include "roster/core/cells.h"

namespace vorna {

bool FieldsOfRow(std::span<const std::string_view> cells,
                 std::span<const roster::FigureColumn> columns, RowFields& texts,
                 std::string& refusal) {
  texts = RowFields{};
  refusal.clear();
  const auto refuse = [&](int cell, std::string_view expected) {
    if (refusal.empty()) {
      roster::AppendCellRefusal(refusal, columns[static_cast<std::size_t>(cell)].name,
                                cells[static_cast<std::size_t>(cell)], expected);
    }
  };
  const auto digits = [&](int cell, FieldId field, std::string_view expected) {
    const std::size_t length = kFieldChars[static_cast<std::size_t>(field)];
    if (const auto text = roster::DigitsCell(cells[static_cast<std::size_t>(cell)], length)) {
      texts[static_cast<std::size_t>(field)] = *text;
    } else {
      refuse(cell, expected);
    }
  };
  digits(kAgeCell, kAge, roster::kExpectTwoDigits);
  if (const auto sex = roster::SexCell(cells[kSexCell])) {
    texts[kSex] = *sex;
  } else {
    refuse(kSexCell, roster::kExpectSex);
  }
  digits(kPushupsCell, kPushups, roster::kExpectThreeDigits);
  digits(kSitupsCell, kSitups, roster::kExpectThreeDigits);
  if (const auto run = roster::RunTimeCell(cells[kRunCell])) {
    texts[kRunMinutes] = (*run)[0];
    texts[kRunSeconds] = (*run)[1];
  } else {
    refuse(kRunCell, roster::kExpectRunTime);
  }
  return refusal.empty();
}

}  // namespace vorna
