// The percent body fat allowed to an age group (age_groups.h). Any sex
// other than 'F' takes the male limit.
#pragma once

namespace heftrak {

float MaxBodyFatOfGroup(int group, char sex);  // group: 0 to kAgeGroupCount - 1
float MaxBodyFat(int age, char sex);

}  // namespace heftrak
