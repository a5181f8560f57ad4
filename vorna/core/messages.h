// The messages VORNA paints on its message line: the validation messages
// of Calculate and the verdict in words.
#pragma once

#include "vorna/core/state.h"

namespace vorna {

enum FitnessMessage : int {
  kNoFitnessMessage = 0,
  kAgeOutOfRange = 1,      // "Age must be between 17 and 70."
  kSecondsOutOfRange = 3,  // "Seconds must be between 0 and 59."
  kEnterAge = 4,           // "Enter Age."
  kEnterSex = 5,           // "Enter Sex: F or M (f or m)."
  // The verdict of a soldier scored in every event, in words, as the report
  // words it; shown in the colour of the total.
  kFailedMessage = 10,  // "Soldier has failed the VORNA"
  kPassedMessage = 11,  // "Soldier has passed the VORNA"
  kMaxedMessage = 12,   // "Soldier has maxed the VORNA"
};

// The message that words a verdict; kNoFitnessMessage when nothing is scored.
FitnessMessage VerdictMessage(Verdict verdict);

// What the message line shows after a repaint, which draws the window anew:
// the verdict in words, in the total's colour, for as long as the results it
// words are shown (it is one of them: whoever cannot tell the total's red from
// black reads it there); nothing otherwise, a validation message included.
FitnessMessage RepaintedMessage(const TestState& state);

// The text of a message; an empty string for a code that has none.
const char* FitnessMessageText(int code);

}  // namespace vorna
