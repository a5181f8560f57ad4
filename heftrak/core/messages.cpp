#include "heftrak/core/messages.h"

namespace heftrak {

namespace {

constexpr MessageLine Plain(const char* text) {
  return {{{{text, shell::kBlack}}}, 1};
}

// "Soldier is not within ..." with the red " not", "Soldier is within ..."
// with the blue " is": the coloured word is its own segment.
constexpr MessageLine Verdict(const char* before, const char* word, shell::Rgb colour,
                              const char* after) {
  return {{{{before, shell::kBlack}, {word, colour}, {after, shell::kBlack}}}, 3};
}

constexpr Message Lines(MessageLine a) {
  return {{a}, 1};
}
constexpr Message Lines(MessageLine a, MessageLine b) {
  return {{a, b}, 2};
}
constexpr Message Lines(MessageLine a, MessageLine b, MessageLine c) {
  return {{a, b, c}, 3};
}
constexpr Message Lines(MessageLine a, MessageLine b, MessageLine c, MessageLine d) {
  return {{a, b, c, d}, 4};
}

constexpr const char* kQuarterReadings = "Enter measurements to nearest 0.25 inch.";
constexpr const char* kDifference1 = "Difference in measurments must be no";
constexpr const char* kDifference2 = "more than 0.25 inch.";

struct Entry {
  int code;
  Message message;
};

constexpr Entry kMessages[] = {
    {kAgeOutOfRange, Lines(Plain("Age must be between 17 and 70."))},
    {kHeightNotQuarter, Lines(Plain("Enter height to nearest 0.25 inch."))},
    {kEnterAge, Lines(Plain("Enter age."))},
    {kEnterSex, Lines(Plain("Enter sex: F or M (f or m)."))},
    {kNotWithinWeight, Lines(Verdict("Soldier is", " not", shell::kRed, " within weight limit."),
                             Plain("Soldier must be taped."))},
    {kWithinWeight, Lines(Verdict("Soldier", " is", shell::kBlue, " within weight limit."))},
    {kStartPrompt, Lines(Plain("Enter height to nearest 0.25 inch."),
                         Plain("Height is automatically rounded to the"),
                         Plain("nearest inch for screening table weight."))},
    {kReadingNotQuarter, Lines(Plain(kQuarterReadings))},
    {kReadingsDisagree, Lines(Plain(kDifference1), Plain(kDifference2))},
    {kEnterHeight, Lines(Plain("Enter height."))},
    {kNotWithinBodyFat,
     Lines(Verdict("Soldier is", " not", shell::kRed, " within percent body fat limit."))},
    {kWithinBodyFat,
     Lines(Verdict("Soldier", " is", shell::kBlue, " within percent body fat limit."))},
    {kMaleCalculatorPrompt, Lines(Plain(kQuarterReadings), Plain(kDifference1), Plain(kDifference2),
                                  Plain("Age and height must be entered."))},
    {kFemaleCalculatorPrompt,
     Lines(Plain(kQuarterReadings), Plain(kDifference1), Plain(kDifference2),
           Plain("Age, height and weight must be entered."))},
    {kEnterWeight, Lines(Plain("Enter weight."))},
    {kBodyFatBelowZero,
     Lines(Plain("Percent body fat cannot be below zero."), Plain("Check measurements."))},
};

constexpr Message kEmpty{};

}  // namespace

const Message& MessageFor(int code) {
  for (const Entry& entry : kMessages) {
    if (entry.code == code) {
      return entry.message;
    }
  }
  return kEmpty;
}

}  // namespace heftrak
