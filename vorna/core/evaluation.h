// VORNA's Calculate: validates age and sex, scores each entered event, totals
// the points and works out the scaled total. It never touches a window:
// everything the window must do is recorded, in order, as requests that the
// window replays.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "vorna/core/test_state.h"

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

// The text of a message; an empty string for a code that has none.
const char* FitnessMessageText(int code);

// The result boxes, in the order they stand on the window.
enum ResultBox : int {
  kPushupBox = kPushupEvent,
  kSitupBox = kSitupEvent,
  kRunBox = kRunEvent,
  kTotalBox = 3,
  kScaledBox = 4,
  kResultBoxCount = 5,
};

enum class RequestKind {
  ClearMessageLine,  // draw the message line empty
  SetFieldText,      // field, text: write a completed run text back into its field
  PaintLabel,        // box, colour: the "Points", "Total" or "Scaled" label of a box
  PaintResult,       // box, text, colour: a figure in its result box
  ShowMessage,       // message, colour: paint a message on the message line
  Alert,             // sound the alert
  EnablePrint,       // make the Print button available
  Focus,             // field: give the focus to an entry field
};

struct Request {
  RequestKind kind = RequestKind::ClearMessageLine;
  int target = 0;  // the field, the box or the message code
  ShortText text;  // SetFieldText, PaintResult
  Rgb colour = kBlack;
};

// A bounded list: one evaluation makes at most 21 requests.
struct RequestLog {
  std::array<Request, 32> items{};
  std::size_t count = 0;
  void Add(const Request& request) {
    if (count < items.size()) {
      items[count++] = request;
    }
  }
  const Request* begin() const { return items.data(); }
  const Request* end() const { return items.data() + count; }
};

// The texts of the six entry fields, indexed by FieldId. Each may be anything
// (pasting bypasses the key filter); only its first kFieldChars characters
// are read.
using EntryTexts = std::array<std::string_view, kEntryFieldCount>;

// Runs Calculate over the entries: updates the state and records the requests.
void EvaluateScores(TestState& state, const EntryTexts& entries, RequestLog& requests);

// Accepts age and sex from the entries when they are valid and not yet
// accepted: both non-empty, the sex 'M' or 'F', the age 17 to 70. Returns
// whether age and sex are accepted afterwards. Silent: no message, no alert.
bool AcceptAgeAndSex(TestState& state, const EntryTexts& entries);

}  // namespace vorna
