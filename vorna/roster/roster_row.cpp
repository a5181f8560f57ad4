#include "vorna/roster/roster_row.h"

#include "shell/core/text_format.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/report.h"
#include "vorna/core/window_model.h"
#include "vorna/roster/roster_fields.h"

namespace vorna {

namespace {

// The messages that stop a Calculate short of a full score.
bool IsRefusal(int code) {
  return code == kAgeOutOfRange || code == kSecondsOutOfRange || code == kEnterAge ||
         code == kEnterSex;
}

// What an event still needs to reach 60 points; "" when it has them.
std::string ToPass(const TestState& state, Event event) {
  const EventScore& score = state.events[static_cast<std::size_t>(event)];
  if (!score.pointsText.empty() && score.points >= kPassingPoints) {
    return "";
  }
  const int raw = RawScoreReaching(event, state.sex, state.age, kPassingPoints);
  if (event != kRunEvent) {
    return std::to_string(raw);
  }
  char time[16];
  shell::FormatText(time, sizeof time, "%d:%02d", raw / 60, raw % 60);
  return time;
}

}  // namespace

roster::RowScore ScoreRow(roster::FigureCells cells, const shell::PersonalData* person) {
  const RowFields row = FieldsOfRow(cells, kFigureColumns);
  if (!row.refusal.empty()) {
    return roster::Refused(row.refusal);
  }
  roster::RowScore score;
  // The row's texts in the fields of a window just opened.
  WindowModel model;
  model.fields.LoadAll(row.texts);
  const TestState& state = model.state;
  for (const shell::Request& request : model.Command(kCalculateCommand)) {
    if (request.kind == shell::RequestKind::ShowMessage) {
      score.message += score.message.empty() ? "" : " ";
      score.message += FitnessMessageText(request.target);
      score.refused = score.refused || IsRefusal(request.target);
    }
  }
  // Refused seconds leave the run unscored but, as in the window, the other
  // events scored: their points stay beside the refusal.
  if (score.refused && !state.resultsShown) {
    return score;
  }
  if (!state.resultsShown) {
    return roster::Refused("Nothing to score: pushups, situps and run are empty.");
  }
  score.results.assign(kRosterResults, std::string());
  for (int event = kPushupEvent; event < kEventCount; ++event) {
    const EventScore& scored = state.events[static_cast<std::size_t>(event)];
    score.results[static_cast<std::size_t>(kPushupPointsResult + event)] =
        scored.pointsText.c_str();
    if (!score.refused || !scored.pointsText.empty()) {
      score.results[static_cast<std::size_t>(kPushupsToPassResult + event)] =
          ToPass(state, static_cast<Event>(event));
    }
  }
  if (score.refused) {
    return score;
  }
  score.results[kTotalResult] = state.totalText.c_str();
  score.results[kScaledResult] = state.scaledText.c_str();
  switch (VerdictOf(state)) {
    case Verdict::Passed:
      score.results[kVerdictResult] = "passed";
      score.tally = kPassedTally;
      break;
    case Verdict::Failed:
      score.results[kVerdictResult] = "failed";
      score.tally = kFailedTally;
      break;
    case Verdict::Maxed:
      score.results[kVerdictResult] = "maxed";
      score.tally = kMaxedTally;
      break;
    case Verdict::NotScored:
      break;
  }
  if (person != nullptr) {
    score.report = ScoreReport(state, *person);
  }
  return score;
}

}  // namespace vorna
