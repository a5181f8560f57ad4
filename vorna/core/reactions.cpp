#include "vorna/core/reactions.h"

#include "shell/core/male_only.h"
#include "vorna/core/chart.h"

namespace vorna {

namespace {

using shell::RequestList;
using shell::Write;

bool Scored(const TestState& state, int event) {
  return !state.events[static_cast<std::size_t>(event)].pointsText.empty();
}

// Takes one result box off the screen and out of the state: its frame drawn
// empty, its label grey.
void Wipe(TestState& state, int box, RequestList& requests) {
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
  requests.PaintResult(box, "", kBlack);
  requests.PaintLabel(box, kGrey);
}

// Nothing scored is left: no report to print.
void Withdraw(TestState& state, RequestList& requests) {
  requests.EnablePrint(false);
  state.resultsShown = false;
}

}  // namespace

void FieldChanged(TestState& state, int field, Write write, RequestList& requests) {
  if (write == Write::Rewrite) {
    return;  // Calculate completing a run time it scores as completed
  }
  // Any change invalidates the total, with it the scaled total, and the
  // verdict the message line words.
  if (!state.totalText.empty()) {
    Wipe(state, kTotalBox, requests);
    if (!state.scaledText.empty()) {
      Wipe(state, kScaledBox, requests);
    }
    requests.ClearMessage();
  }

  if (field == kRunMinutes || field == kRunSeconds) {
    Wipe(state, kRunEvent, requests);
  } else if ((field == kPushups || field == kSitups) && Scored(state, field - kPushups)) {
    Wipe(state, field - kPushups, requests);
  }

  if (field == kAge || field == kSex) {
    // Every event was scored for the old age and sex.
    state.accepted = false;
    if (state.resultsShown) {
      requests.EnablePrint(false);
      for (int event = 0; event < kEventCount; ++event) {
        if (Scored(state, event)) {
          Wipe(state, event, requests);
        }
      }
      state.resultsShown = false;
    }
    // A sex the clerk typed over the forced "M" ends Male Only.
    shell::EndMaleOnlyOnClerksSex(state.maleOnly, field, write, kSex, requests);
  }

  if (!Scored(state, kPushupEvent) && !Scored(state, kSitupEvent) && !Scored(state, kRunEvent)) {
    Withdraw(state, requests);
  }
}

void FieldFocused(TestState& state, const EntryTexts& entries, int field, RequestList& requests) {
  const ChartKind kind = ChartKindOf(field);
  if (kind == ChartKind::None && state.accepted) {
    requests.Program(kEmptyChart);
    return;
  }
  // Silent: the messages belong to Calculate. Age and Sex take part too, so
  // an age and sex complete when the caret enters either count as accepted.
  if (!AcceptAgeAndSex(state, entries) || kind == ChartKind::None) {
    return;
  }
  ShowChart(requests, {kind, state.age, state.sex});
}

void ClearTest(TestState& state, RequestList& requests) {
  if (state.accepted) {
    requests.Program(kEmptyChart);
    state.accepted = false;
  }
  // Each field's change reaction wipes what depended on it.
  shell::EmptyForClear(state.maleOnly, kAge, kEntryFieldCount - 1, kSex, requests);
  requests.ClearMessage();
  requests.PaintLabel(kPushupBox, kGrey);
  // Sex becomes the focus target even when it has the focus already, after
  // every write above has made its own field the target.
  requests.Focus(kSex);
}

void ToggleMaleOnly(TestState& state, std::string_view sexText, RequestList& requests) {
  const bool accepted = state.accepted;
  // Writing "M" takes back the acceptance and any results through the
  // field's change notification.
  if (shell::ToggleMaleOnly(state.maleOnly, state.sex, sexText, kSex, requests)) {
    if (accepted) {
      requests.Program(kWipeChartTitle);  // the chart was for the sex just changed
    }
    return;
  }
  if (state.maleOnly && state.resultsShown) {
    // The results were scored for a sex that may not have been the one shown.
    for (int box = 0; box < kResultBoxCount; ++box) {
      Wipe(state, box, requests);
    }
    Withdraw(state, requests);
    requests.ClearMessage();
  }
}

}  // namespace vorna
