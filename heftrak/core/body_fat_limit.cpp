#include "heftrak/core/body_fat_limit.h"

#include <cstddef>

#include "heftrak/core/screening_table.h"

namespace heftrak {

namespace {

// Percent body fat allowed, by the same age groups as the screening table.
constexpr float kMaleLimit[] = {20.0f, 22.0f, 24.0f, 26.0f};
constexpr float kFemaleLimit[] = {30.0f, 32.0f, 34.0f, 36.0f};

}  // namespace

float MaxBodyFat(int age, char sex) {
  const auto group = static_cast<std::size_t>(ScreeningAgeColumn(age));
  return sex == 'F' ? kFemaleLimit[group] : kMaleLimit[group];
}

}  // namespace heftrak
