// The percent body fat allowed for an age group.
#pragma once

namespace heftrak {

// 17-20: 20 % for men, 30 % for women; 21-27: 22 / 32; 28-39: 24 / 34;
// any other age: 26 / 36. Any sex other than 'F' takes the male limit.
float MaxBodyFat(int age, char sex);

}  // namespace heftrak
