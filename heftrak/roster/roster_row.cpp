#include "heftrak/roster/roster_row.h"

#include <string>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/report.h"
#include "heftrak/core/window_model.h"
#include "heftrak/roster/roster_fields.h"
#include "shell/core/fixed_format.h"

namespace heftrak {

namespace {

constexpr const char* kIncompleteReadings =
    "Calculate needs a reading of every site: abdomen and neck for men; hips, forearm, neck and "
    "wrist for women.";

bool IsVerdict(MessageCode code) {
  return code == kNoMessage || code == kNotWithinWeight || code == kWithinWeight ||
         code == kNotWithinBodyFat || code == kWithinBodyFat;
}

// The prompt box's lines as one line of text.
void AppendMessage(std::string& text, MessageCode code) {
  const Message& message = MessageFor(code);
  for (std::size_t i = 0; i < message.lineCount; ++i) {
    text += text.empty() ? "" : " ";
    const MessageLine& line = message.lines[i];
    for (std::size_t s = 0; s < line.segmentCount; ++s) {
      text += line.segments[s].text;
    }
  }
}

// A figure as the window shows it, without the field format's padding.
std::string Figure(float value, int decimals) {
  char text[32];
  shell::FormatFixed(text, sizeof text, value, decimals, 0, shell::Align::Left);
  return text;
}

const char* YesNo(bool yes) {
  return yes ? "yes" : "no";
}

// What one command did, as the window shows it.
struct Outcome {
  bool evaluated = false;  // it cleared the prompt box: it had something to evaluate
  MessageCode message = kNoMessage;
};

Outcome Read(const shell::RequestList& requests) {
  Outcome outcome;
  for (const shell::Request& request : requests) {
    if (request.kind == shell::RequestKind::ClearMessage) {
      outcome.evaluated = true;
    } else if (request.kind == shell::RequestKind::ShowMessage) {
      outcome.message = static_cast<MessageCode>(request.target);
    }
  }
  return outcome;
}

void ReadResults(const WeightControlState& state, roster::RowScore& score) {
  std::vector<std::string>& results = score.results;
  results.assign(kRosterResults, std::string());
  if (state.screeningShown) {
    results[kMaxWeightResult] = std::to_string(state.maxWeight);
    if (state.weight != 0) {
      results[kWeightWithinResult] = YesNo(state.screeningWithin);
      if (!state.screeningWithin) {
        results[kLbsOverResult] = std::to_string(state.weight - state.maxWeight);
      }
      score.tally = state.screeningWithin ? kWithinTally : kToBeTapedTally;
    }
  }
  if (!state.bodyFatShown) {
    return;
  }
  float bodyFat = 0;
  if (state.sex == 'M') {
    results[kAbdomenAverageResult] = Figure(state.maleAverages[kAbdomen], 2);
    results[kNeckAverageResult] = Figure(state.maleAverages[kMaleNeck], 2);
    bodyFat = state.percentBodyFat;
  } else {
    results[kHipsAverageResult] = Figure(state.femaleAverages[kHips], 2);
    results[kForearmAverageResult] = Figure(state.femaleAverages[kForearm], 2);
    results[kNeckAverageResult] = Figure(state.femaleAverages[kFemaleNeck], 2);
    results[kWristAverageResult] = Figure(state.femaleAverages[kWrist], 2);
    bodyFat = state.female.bodyFat;
  }
  results[kBodyFatResult] = Figure(bodyFat, 2);
  results[kBodyFatLimitResult] = Figure(state.bodyFatLimit, 1);
  results[kBodyFatWithinResult] = YesNo(state.bodyFatWithin);
  if (!state.bodyFatWithin) {
    results[kBodyFatOverResult] = Figure(bodyFat - state.bodyFatLimit, 2);
  }
  score.tally = state.bodyFatWithin ? kWithinTally : kOverTally;
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
  const WeightControlState& state = model.state;
  const Outcome check = Read(model.Command(kCheckCommand));
  if (!IsVerdict(check.message)) {
    score.refused = true;
    AppendMessage(score.message, check.message);
    return score;
  }
  AppendMessage(score.message, check.message);
  bool evaluated = check.evaluated;
  if (row.readings) {
    const Outcome calculate = Read(model.Command(kCalculateCommand));
    evaluated = evaluated || calculate.evaluated;
    if (!calculate.evaluated) {
      // The window does nothing then; a roster must not drop typed readings unsaid.
      score.refused = true;
      score.message.append(score.message.empty() ? "" : " ").append(kIncompleteReadings);
    } else {
      score.refused = !IsVerdict(calculate.message);
      AppendMessage(score.message, calculate.message);
    }
  }
  if (!evaluated) {
    return roster::Refused("Nothing to score: the height is empty.");
  }
  // As the window shows it: what the Check found stays beside a Calculate
  // that refused the readings.
  ReadResults(state, score);
  if (!score.refused && person != nullptr) {
    score.report = BodyFatReport(state, *person);
  }
  return score;
}

}  // namespace heftrak
