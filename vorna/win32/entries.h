// The texts of the six entry fields as the evaluation reads them.
#pragma once

#include <array>

#include "vorna/core/evaluation.h"

namespace vorna {

// Reads the fields once; the texts stay valid as long as this object.
class EntryFields {
 public:
  EntryFields();
  const EntryTexts& texts() const { return texts_; }

 private:
  // A few characters more than any field is read for: the reader looks at
  // the leading ones only.
  std::array<std::array<char, 8>, kEntryFieldCount> buffers_{};
  EntryTexts texts_{};
};

}  // namespace vorna
