// The six entry fields of the fitness test window. A field's id is also its
// control identifier and its index in the window's field table.
#pragma once

#include <cstddef>

#include "shell/core/print_dialog_layout.h"

namespace vorna {

enum FieldId : int {
  kAge = 0,
  kSex = 1,
  kPushups = 2,
  kSitups = 3,
  kRunMinutes = 4,
  kRunSeconds = 5,
  kEntryFieldCount = 6,
};

// How many characters the window reads from each field, and so how many the
// field holds.
inline constexpr std::size_t kFieldChars[kEntryFieldCount] = {2, 1, 3, 3, 2, 2};

// The personal data dialog's fields follow the window's in the field table.
inline constexpr shell::PrintDialogIds kPrintDialogIds = {{8, 9, 10}, 11, 12, 13, 14};
inline constexpr int kFieldSlots = 16;

// The characters any field of the table holds; the dialog's as the report
// prints them.
constexpr int FieldChars(int field) {
  if (field >= kAge && field < kEntryFieldCount) {
    return static_cast<int>(kFieldChars[field]);
  }
  return shell::PrintDialogFieldChars(kPrintDialogIds, field);
}

}  // namespace vorna
