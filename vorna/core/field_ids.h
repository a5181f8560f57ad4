// The six entry fields of the fitness test window. A field's id is also its
// control identifier and its index in the window's field table.
#pragma once

#include <cstddef>

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

// How many characters the window reads from each field.
inline constexpr std::size_t kFieldChars[kEntryFieldCount] = {2, 1, 3, 3, 2, 2};

}  // namespace vorna
