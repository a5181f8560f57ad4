#include "heftrak/core/age_groups.h"

#include <cstddef>

#include "shell/core/text_format.h"

namespace heftrak {

std::string AgeGroupLabel(int group, const char* dash) {
  const auto g = static_cast<std::size_t>(group < 0 ? 0 : group);
  char label[32];
  if (g + 1 < kAgeGroupFirstAges.size()) {
    shell::FormatText(label, sizeof label, "%d%s%d", kAgeGroupFirstAges[g], dash,
                      kAgeGroupFirstAges[g + 1] - 1);
  } else {
    shell::FormatText(label, sizeof label, ">%d", kAgeGroupFirstAges.back() - 1);
  }
  return label;
}

}  // namespace heftrak
