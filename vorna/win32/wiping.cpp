#include "vorna/win32/wiping.h"

#include "vorna/core/evaluation.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/male_only.h"
#include "vorna/win32/paint.h"

namespace vorna {

namespace {

bool Scored(const TestState& state, int event) {
  return !state.events[static_cast<std::size_t>(event)].pointsText.empty();
}

}  // namespace

void WipeResult(HWND window, int box) {
  FitnessTestWindow& w = Window();
  TestState& state = w.state;
  switch (box) {
    case kTotalBox:
      state.totalText = {};
      break;
    case kScaledBox:
      state.scaledText = {};
      break;
    default:
      state.events[static_cast<std::size_t>(box)].pointsText = {};
      break;
  }
  DrawOnWindow(window, [&](HDC dc) { WipeResultOn(dc, w.layout, box); });
}

void WithdrawResults() {
  FitnessTestWindow& w = Window();
  EnableWindow(w.printButton, FALSE);
  w.state.resultsShown = false;
}

void OnFieldChanged(HWND window, int field) {
  FitnessTestWindow& w = Window();
  TestState& state = w.state;
  if (w.rewriting) {
    state.currentField = static_cast<FieldId>(field);
    return;
  }
  // Any change invalidates the total and with it the scaled total, and the
  // verdict worded on the message line.
  if (!state.totalText.empty()) {
    WipeResult(window, kTotalBox);
    if (!state.scaledText.empty()) {
      WipeResult(window, kScaledBox);
    }
    if (w.messageOnLine >= kFailedMessage && w.messageOnLine <= kMaxedMessage) {
      DrawOnWindow(window, [&](HDC dc) { DrawMessageLineOn(dc, w.layout); });
      w.messageOnLine = 0;
    }
  }
  state.currentField = static_cast<FieldId>(field);

  if (field == kRunMinutes || field == kRunSeconds) {
    WipeResult(window, kRunEvent);
  } else if (field == kPushups || field == kSitups) {
    const int event = field == kPushups ? kPushupEvent : kSitupEvent;
    if (Scored(state, event)) {
      WipeResult(window, event);
    }
  }

  if (field == kAge || field == kSex) {
    // Every event was scored for the old age and sex.
    state.accepted = false;
    if (state.resultsShown) {
      EnableWindow(w.printButton, FALSE);
      for (int event = 0; event < kEventCount; ++event) {
        if (Scored(state, event)) {
          WipeResult(window, event);
        }
      }
      state.resultsShown = false;
    }
    // A sex the user typed over the forced "M" ends Male Only.
    if (field == kSex && state.maleOnly && !state.writingSex) {
      ToggleMaleOnly(window);
    }
  }

  if (!Scored(state, kPushupEvent) && !Scored(state, kSitupEvent) && !Scored(state, kRunEvent)) {
    WithdrawResults();
  }
}

}  // namespace vorna
