#include "vorna/core/report.h"

#include <algorithm>
#include <string>

#include "shell/core/text_format.h"
#include "vorna/core/evaluation.h"

namespace vorna {

namespace {

// A body line with its figures fits the shell's line buffer (at most 26
// characters of text, six ints of 11 characters and a figure of 24).
using shell::LineBuffer;
using shell::Written;

bool Scored(const TestState& state, Event event) {
  return !state.events[static_cast<std::size_t>(event)].pointsText.empty();
}

int PointsOf(const TestState& state, Event event) {
  return state.events[static_cast<std::size_t>(event)].points;
}

// The verdict sentence as the window words it, its verdict word underlined.
void AddVerdict(shell::Report& report, Verdict verdict, const char* word) {
  shell::AddLine(report, 18, FitnessMessageText(VerdictMessage(verdict)));
  shell::AddUnderline(report, 18, "Soldier has ", word);
}

}  // namespace

shell::Report ScoreReport(const TestState& state, const shell::PersonalData& person) {
  shell::Report report = shell::ReportWithHeader("Physical Fitness Score Report", "VORNA", person,
                                                 state.age, state.sex);
  LineBuffer line;
  int length = 0;
  shell::AddLine(report, 10, "         Raw Score     Points");
  if (Scored(state, kPushupEvent)) {
    length = shell::FormatText(line, sizeof line, "Pushups:    %3i         %3i", state.pushups,
                               PointsOf(state, kPushupEvent));
    shell::AddLine(report, 11, Written(line, length));
  } else {
    shell::AddLine(report, 11, "Pushups:");
  }
  if (Scored(state, kSitupEvent)) {
    length = shell::FormatText(line, sizeof line, "Situps:     %3i         %3i", state.situps,
                               PointsOf(state, kSitupEvent));
    shell::AddLine(report, 12, Written(line, length));
  } else {
    shell::AddLine(report, 12, "Situps:");
  }
  if (Scored(state, kRunEvent)) {
    length = shell::FormatText(line, sizeof line, "Run:       %2i:%02i        %3i",
                               state.runMinutes, state.runSeconds, PointsOf(state, kRunEvent));
    shell::AddLine(report, 13, Written(line, length));
  } else {
    shell::AddLine(report, 13, "Run:");
  }
  if (!state.totalText.empty()) {
    length = shell::FormatText(line, sizeof line, "Total Points:           %3i", state.total);
    shell::AddLine(report, 15, Written(line, length));
  } else {
    shell::AddLine(report, 15, "Total Points:");
  }
  switch (VerdictOf(state)) {
    case Verdict::Maxed:
      length =
          shell::FormatText(line, sizeof line, "Scaled Total Points:    %i", state.scaledTotal);
      shell::AddLine(report, 16, Written(line, length));
      AddVerdict(report, Verdict::Maxed, "maxed");
      break;
    case Verdict::Passed:
      AddVerdict(report, Verdict::Passed, "passed");
      break;
    case Verdict::Failed:
      AddVerdict(report, Verdict::Failed, "failed");
      break;
    case Verdict::NotScored:
      break;
  }
  return report;
}

}  // namespace vorna
