#include "vorna/core/messages.h"

namespace vorna {

const char* FitnessMessageText(int code) {
  switch (code) {
    case kAgeOutOfRange:
      return "Age must be between 17 and 70.";
    case kSecondsOutOfRange:
      return "Seconds must be between 0 and 59.";
    case kEnterAge:
      return "Enter Age.";
    case kEnterSex:
      return "Enter Sex: F or M (f or m).";
    case kFailedMessage:
      return "Soldier has failed the VORNA";
    case kPassedMessage:
      return "Soldier has passed the VORNA";
    case kMaxedMessage:
      return "Soldier has maxed the VORNA";
    default:
      return "";
  }
}

FitnessMessage VerdictMessage(Verdict verdict) {
  switch (verdict) {
    case Verdict::Failed:
      return kFailedMessage;
    case Verdict::Passed:
      return kPassedMessage;
    case Verdict::Maxed:
      return kMaxedMessage;
    case Verdict::NotScored:
      break;
  }
  return kNoFitnessMessage;
}

FitnessMessage RepaintedMessage(const TestState& state) {
  return VerdictMessage(VerdictOf(state));
}

}  // namespace vorna
