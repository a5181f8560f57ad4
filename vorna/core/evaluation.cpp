// VORNA's Calculate, done on the texts of the entry fields and the test state.
// The window replays the recorded requests in order, so the order in which
// they are added below is the order the user sees and hears them.
#include "vorna/core/evaluation.h"

#include "shell/core/age_sex.h"
#include "shell/core/field_text.h"
#include "shell/core/text_format.h"
#include "vorna/core/scoring.h"

namespace vorna {
namespace {

// The shown scaled total has room for three digits.
constexpr int kScaledTotalCap = 999;
// The largest raw scores the fields hold: three digits of repetitions, a
// run of 99:59.
constexpr int kMostRepetitions = 999;
constexpr int kSlowestRun = MinSec(99, 59);

shell::FieldValue Read(const EntryTexts& entries, FieldId field) {
  return shell::ReadField(entries[static_cast<std::size_t>(field)],
                          kFieldChars[static_cast<std::size_t>(field)]);
}

ShortText NumberText(int value) {
  // Every figure shown here lies in -99..999 (the lowest total is
  // 9 + 9 - 62); the clamp only makes that bound plain to the compiler.
  const int shown = value < -99 ? -99 : (value > 999 ? 999 : value);
  ShortText text;
  shell::FormatText(text.chars.data(), text.chars.size(), "%d", shown);
  return text;
}

// A one-digit text with a leading "0", as the run fields show minutes and seconds.
ShortText TwoDigitText(char digit) {
  ShortText text;
  text.chars = {'0', digit, '\0', '\0'};
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

using shell::RequestList;
using shell::Write;

// A completed run time written back: the field becomes the focus target.
void WriteField(RequestList& requests, FieldId field, ShortText text) {
  requests.SetText(field, text.c_str(), Write::Rewrite);
}

void Complain(RequestList& requests, FitnessMessage message, FieldId field) {
  requests.Alert();
  requests.ShowMessage(message);
  requests.Focus(field);
}

// Checks the Age and Sex fields in the order the user is told about them.
// On success fills age and sex and returns kNoFitnessMessage.
FitnessMessage CheckAgeAndSex(const EntryTexts& entries, int& age, char& sex) {
  switch (shell::CheckAgeAndSex(Read(entries, kAge), Read(entries, kSex), age, sex)) {
    case shell::AgeSexCheck::NoAge:
      return kEnterAge;
    case shell::AgeSexCheck::NoSex:
      return kEnterSex;
    case shell::AgeSexCheck::AgeOutOfRange:
      return kAgeOutOfRange;
    case shell::AgeSexCheck::Accepted:
      break;
  }
  return kNoFitnessMessage;
}

// Scores one event, keeps the result in the state and paints it.
void ScoreEvent(TestState& state, RequestList& requests, Event event, int raw) {
  const int result = EventPoints(event, state.sex, raw, state.age);
  EventScore& score = state.events[static_cast<std::size_t>(event)];
  score = EventScore{};
  if (result >= 100) {
    // Shown as 100; the full result counts towards the scaled total.
    score.extendedPoints = result;
    score.points = 100;
  } else {
    score.points = result;
    if (result < kPassingPoints) {
      score.colour = kRed;
    }
  }
  score.pointsText = NumberText(score.points);
  requests.PaintLabel(event, kBlack);
  requests.PaintResult(event, score.pointsText.c_str(), score.colour);
}

void ShowTotals(TestState& state, RequestList& requests) {
  int total = 0;
  int scaled = 0;
  bool allPassed = true;
  bool allMaxed = true;
  for (const EventScore& score : state.events) {
    if (score.pointsText.empty()) {
      return;
    }
    total += score.points;
    scaled += score.extendedPoints;
    allPassed = allPassed && score.points >= kPassingPoints;
    allMaxed = allMaxed && score.extendedPoints >= 100;
  }
  state.total = total;
  state.totalColour = allPassed ? kBlack : kRed;
  state.totalText = NumberText(total);
  requests.PaintResult(kTotalBox, state.totalText.c_str(), state.totalColour);
  requests.PaintLabel(kTotalBox, kBlack);
  if (!allMaxed) {
    return;
  }
  state.scaledTotal = scaled > kScaledTotalCap ? kScaledTotalCap : scaled;
  state.scaledText = NumberText(state.scaledTotal);
  requests.PaintResult(kScaledBox, state.scaledText.c_str(), kBlue);
  requests.PaintLabel(kScaledBox, kBlack);
}

// The part of Calculate between reading the event fields and the final focus.
void Calculate(TestState& state, const EntryTexts& entries, RequestList& requests) {
  const shell::FieldValue pushups = Read(entries, kPushups);
  const shell::FieldValue situps = Read(entries, kSitups);
  const shell::FieldValue minutes = Read(entries, kRunMinutes);
  const shell::FieldValue seconds = Read(entries, kRunSeconds);
  if (pushups.empty() && situps.empty() && minutes.empty()) {
    return;
  }

  // Complete the run time in its fields: "9" minutes become "09", an empty
  // Seconds field "00" and a single seconds digit gets its leading zero. The
  // values stay the same, so the texts read above still serve.
  if (!minutes.empty()) {
    if (minutes.text.size() == 1 && IsDigit(minutes.text[0])) {
      WriteField(requests, kRunMinutes, TwoDigitText(minutes.text[0]));
    }
    if (seconds.empty()) {
      WriteField(requests, kRunSeconds, TwoDigitText('0'));
    } else if (seconds.text.size() == 1 && IsDigit(seconds.text[0])) {
      WriteField(requests, kRunSeconds, TwoDigitText(seconds.text[0]));
    }
  }

  if (!state.accepted) {
    int age = 0;
    char sex = 'M';
    const FitnessMessage problem = CheckAgeAndSex(entries, age, sex);
    if (problem != kNoFitnessMessage) {
      Complain(requests, problem, problem == kEnterSex ? kSex : kAge);
      return;
    }
    state.age = age;
    state.sex = sex;
    state.accepted = true;
  }

  if (!pushups.empty()) {
    state.pushups = pushups.number;
    ScoreEvent(state, requests, kPushupEvent, pushups.number);
  }
  if (!situps.empty()) {
    state.situps = situps.number;
    ScoreEvent(state, requests, kSitupEvent, situps.number);
  }
  if (!minutes.empty()) {
    if (seconds.number > 59) {
      requests.ShowMessage(kSecondsOutOfRange);
      requests.Alert();
      requests.Focus(kRunSeconds);
    } else {
      state.runMinutes = minutes.number;
      state.runSeconds = seconds.number;
      ScoreEvent(state, requests, kRunEvent, MinSec(minutes.number, seconds.number));
    }
  }
  // A report needs at least one scored event: with none (only a run whose
  // seconds were refused) there is nothing to print.
  for (const EventScore& score : state.events) {
    if (!score.pointsText.empty()) {
      state.resultsShown = true;
    }
  }
  if (state.resultsShown) {
    requests.EnablePrint(true);
  }
  ShowTotals(state, requests);
  // The verdict in words as well, for whoever cannot tell the total's red
  // from black.
  if (const FitnessMessage verdict = VerdictMessage(VerdictOf(state));
      verdict != kNoFitnessMessage) {
    requests.ShowMessage(verdict, state.totalColour);
  }
}

}  // namespace

int EventPoints(Event event, char sex, int raw, int age) {
  switch (event) {
    case kPushupEvent:
      return sex == 'M' ? MalePushupPoints(raw, age) : FemalePushupPoints(raw, age);
    case kSitupEvent:
      return SitupPoints(raw, age);
    case kRunEvent:
    case kEventCount:
      break;
  }
  return sex == 'M' ? MaleRunPoints(raw, age) : FemaleRunPoints(raw, age);
}

int RawScoreReaching(Event event, char sex, int age, int points) {
  // Points never fall as repetitions rise, nor rise as the run gets slower:
  // halve the range of raw scores the fields hold until one is left.
  const bool run = event == kRunEvent;
  int low = 0;
  int high = run ? kSlowestRun : kMostRepetitions;
  while (low < high) {
    const int middle = run ? low + (high - low + 1) / 2 : low + (high - low) / 2;
    const bool reaches = EventPoints(event, sex, middle, age) >= points;
    if (run && reaches) {
      low = middle;
    } else if (run) {
      high = middle - 1;
    } else if (reaches) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

bool AcceptAgeAndSex(TestState& state, const EntryTexts& entries) {
  if (!state.accepted) {
    int age = 0;
    char sex = 'M';
    if (CheckAgeAndSex(entries, age, sex) == kNoFitnessMessage) {
      state.age = age;
      state.sex = sex;
      state.accepted = true;
    }
  }
  return state.accepted;
}

Verdict VerdictOf(const TestState& state) {
  if (state.totalText.empty()) {
    return Verdict::NotScored;
  }
  for (const EventScore& score : state.events) {
    if (score.points < kPassingPoints) {
      return Verdict::Failed;
    }
  }
  return state.scaledText.empty() ? Verdict::Passed : Verdict::Maxed;
}

void EvaluateScores(TestState& state, const EntryTexts& entries, RequestList& requests) {
  requests.ClearMessage();
  // Nothing of an earlier Calculate is left standing: an event shows points
  // only when it is scored again below.
  state.events = {};
  state.total = 0;
  state.totalText = {};
  state.totalColour = kBlack;
  state.scaledTotal = 0;
  state.scaledText = {};

  Calculate(state, entries, requests);

  // Every field written or focused above became the focus target.
  requests.FocusTarget();
}

}  // namespace vorna
