// VORNA's state: everything it knows about the soldier being scored, for as
// long as the main window lives. The window, the report and the chart read
// it; where the caret goes back to is the field model's.
#pragma once

#include <array>

#include "shell/core/colour.h"
#include "vorna/core/fields.h"

namespace vorna {

using shell::kBlack;
using shell::kBlue;
using shell::kGrey;
using shell::kRed;
using shell::Rgb;

enum Event : int { kPushupEvent = 0, kSitupEvent = 1, kRunEvent = 2, kEventCount = 3 };

// Up to three characters and their terminator: every points text, total and
// scaled total fits (-62 ... 999).
struct ShortText {
  std::array<char, 4> chars{};
  bool empty() const { return chars[0] == '\0'; }
  const char* c_str() const { return chars.data(); }
};

struct EventScore {
  int points = 0;          // shown points: the scoring result capped at 100
  int extendedPoints = 0;  // the scoring result when 100 or more, else 0
  ShortText pointsText;    // empty: the event is not scored
  Rgb colour = kBlack;     // black for 60 points or more, red below
};

struct TestState {
  int age = 0;
  char sex = 'M';         // 'M' or 'F' once accepted
  bool accepted = false;  // age and sex have been validated
  bool resultsShown = false;
  bool maleOnly = false;
  int pushups = 0;
  int situps = 0;
  int runMinutes = 0;
  int runSeconds = 0;
  std::array<EventScore, kEventCount> events{};
  int total = 0;
  ShortText totalText;
  Rgb totalColour = kBlack;
  int scaledTotal = 0;
  ShortText scaledText;
};

enum class Verdict { NotScored, Failed, Passed, Maxed };

// Failed when a total is shown and an event has 59 points or fewer; passed
// when every event has 60 or more and no scaled total is shown; maxed when
// every event has 60 or more and the scaled total is shown.
Verdict VerdictOf(const TestState& state);

}  // namespace vorna
