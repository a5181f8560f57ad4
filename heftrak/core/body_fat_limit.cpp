#include "heftrak/core/body_fat_limit.h"

#include <array>
#include <cstddef>

#include "heftrak/core/age_groups.h"

namespace heftrak {

namespace {

// Percent body fat allowed, youngest group first.
constexpr std::array<float, kAgeGroupCount> kMaleLimit = {20.0f, 22.0f, 24.0f, 26.0f};
constexpr std::array<float, kAgeGroupCount> kFemaleLimit = {30.0f, 32.0f, 34.0f, 36.0f};

}  // namespace

float MaxBodyFatOfGroup(int group, char sex) {
  const auto g = static_cast<std::size_t>(group);
  return sex == 'F' ? kFemaleLimit[g] : kMaleLimit[g];
}

float MaxBodyFat(int age, char sex) {
  return MaxBodyFatOfGroup(AgeGroupOf(age), sex);
}

}  // namespace heftrak
