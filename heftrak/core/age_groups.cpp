#include "heftrak/core/age_groups.h"

#include <cstddef>

#include "shell/core/text_format.h"

namespace heftrak {

int AgeGroupOf(int age) {
  // The groups the age has reached, counted without a branch on the age.
  int reached = 0;
  for (const int first : kAgeGroupFirstAges) {
    reached += age >= first ? 1 : 0;
  }
  return reached == 0 ? kAgeGroupCount - 1 : reached - 1;
}

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
