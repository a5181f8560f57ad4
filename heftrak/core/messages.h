// The prompts, validation messages and verdicts painted in the prompt box.
#pragma once

#include <array>
#include <cstddef>

#include "shell/core/colour.h"

namespace heftrak {

enum MessageCode : int {
  kNoMessage = 0,
  kAgeOutOfRange = 1,
  kHeightNotQuarter = 3,
  kEnterAge = 4,
  kEnterSex = 5,
  kNotWithinWeight = 6,
  kWithinWeight = 7,
  kStartPrompt = 8,
  kReadingNotQuarter = 9,
  kReadingsDisagree = 10,
  kEnterHeight = 11,
  kNotWithinBodyFat = 13,
  kWithinBodyFat = 14,
  kMaleCalculatorPrompt = 15,
  kFemaleCalculatorPrompt = 16,
  kEnterWeight = 17,
  kBodyFatBelowZero = 18,  // readings no body can give: they were mistaken
};

// A run of text in one colour. A line of several segments is drawn with each
// segment starting where the measured text before it ends.
struct Segment {
  const char* text = "";
  shell::Rgb colour = shell::kBlack;
};

struct MessageLine {
  std::array<Segment, 3> segments{};
  std::size_t segmentCount = 0;
};

struct Message {
  std::array<MessageLine, 4> lines{};
  std::size_t lineCount = 0;
};

// The lines of a message; an empty message (no lines) for a code that has
// none, so that painting it leaves the prompt box empty.
const Message& MessageFor(int code);

}  // namespace heftrak
