// VORNA's Calculate: validates age and sex, scores each entered event, totals
// the points and works out the scaled total. It never touches a window:
// everything the window must do is recorded, in order, as requests that the
// window replays.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "shell/core/requests.h"
#include "vorna/core/messages.h"
#include "vorna/core/state.h"

namespace vorna {

// The result boxes, in the order they stand on the window.
enum ResultBox : int {
  kPushupBox = kPushupEvent,
  kSitupBox = kSitupEvent,
  kRunBox = kRunEvent,
  kTotalBox = 3,
  kScaledBox = 4,
  kResultBoxCount = 5,
};

// The texts of the six entry fields, indexed by FieldId. Each may be anything
// (pasting bypasses the key filter); only its first kFieldChars characters
// are read.
using EntryTexts = std::array<std::string_view, kEntryFieldCount>;

// 60 points or more pass an event.
inline constexpr int kPassingPoints = 60;

// The points of a raw score (repetitions, or the run time in seconds) in an
// event, by the soldier's sex and age, as Calculate scores it.
int EventPoints(Event event, char sex, int raw, int age);

// The raw score that reaches `points` in the event: the least repetitions,
// or the slowest run time in whole seconds (the run is scored in steps of 6
// seconds, so this is a few seconds slower than the table's time).
int RawScoreReaching(Event event, char sex, int age, int points);

// Runs Calculate over the entries: updates the state and records the requests.
void EvaluateScores(TestState& state, const EntryTexts& entries, shell::RequestList& requests);

// Accepts age and sex from the entries when they are valid and not yet
// accepted: both non-empty, the sex 'M' or 'F', the age 17 to 70. Returns
// whether age and sex are accepted afterwards. Silent: no message, no alert.
bool AcceptAgeAndSex(TestState& state, const EntryTexts& entries);

}  // namespace vorna
