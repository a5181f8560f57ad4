// The six entry fields of the fitness test window (their ids are in the
// program's id map) and how many characters each field holds.
#pragma once

#include <cstddef>

#include "shell/core/print_dialog_layout.h"
#include "vorna/resources/vorna_ids.h"

namespace vorna {

// How many characters the window reads from each field, and so how many the
// field holds.
inline constexpr std::size_t kFieldChars[kEntryFieldCount] = {2, 1, 3, 3, 2, 2};

// The personal data dialog's fields follow the window's in the field table.
inline constexpr shell::PrintDialogIds kPrintDialogIds = {
    {kSsnFirstField, kSsnSecondField, kSsnLastField},
    kLastNameField,
    kFirstNameField,
    kMiddleInitialField,
    kDateField};

// The characters any field of the table holds; the dialog's as the report
// prints them.
constexpr int FieldChars(int field) {
  if (field >= kAge && field < kEntryFieldCount) {
    return static_cast<int>(kFieldChars[field]);
  }
  return shell::PrintDialogFieldChars(kPrintDialogIds, field);
}

}  // namespace vorna
