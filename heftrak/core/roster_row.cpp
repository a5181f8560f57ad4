#include "heftrak/core/roster_row.h"

#include <array>
#include <cstdio>

#include "heftrak/core/body_fat_limit.h"
#include "heftrak/core/evaluation.h"
#include "heftrak/core/report.h"
#include "heftrak/core/roster_fields.h"
#include "heftrak/core/roster_program.h"
#include "heftrak/core/screening_table.h"
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

// What one evaluation did, as the window shows it.
struct Outcome {
  bool evaluated = false;  // it cleared the prompt box: it had something to evaluate
  MessageCode message = kNoMessage;
};

using Evaluate = void (*)(WeightControlState&, const FieldTexts&, shell::RequestList&);

// Runs one evaluation on the fields and writes what it writes back into the
// fields, as the window does before the next command reads them.
Outcome Run(Evaluate evaluate, WeightControlState& state, RowFields& row) {
  FieldTexts texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i] = row.texts[i];
  }
  shell::RequestList requests;
  evaluate(state, texts, requests);
  Outcome outcome;
  for (const shell::Request& request : requests) {
    const auto field = static_cast<std::size_t>(request.target);
    switch (request.kind) {
      case shell::RequestKind::ClearMessage:
        outcome.evaluated = true;
        break;
      case shell::RequestKind::ShowMessage:
        outcome.message = static_cast<MessageCode>(request.target);
        break;
      case shell::RequestKind::SetText:
        row.texts[field] = request.c_str();
        break;
      case shell::RequestKind::EmptyField:
        row.texts[field].clear();
        break;
      default:
        break;
    }
  }
  return outcome;
}

void ReadResults(const WeightControlState& state, roster::RowScore& score) {
  std::vector<std::string>& results = score.results;
  results.assign(kRosterResults, std::string());
  if (state.screeningShown) {
    const int screeningHeight = state.heightWhole + (state.heightHundredths >= 50 ? 1 : 0);
    const int maxWeight = state.sex == 'M' ? MaleMaxWeight(state.age, screeningHeight)
                                           : FemaleMaxWeight(state.age, screeningHeight);
    results[kMaxWeightResult] = std::to_string(maxWeight);
    if (state.weight != 0) {
      results[kWeightWithinResult] = YesNo(state.screeningWithin);
      if (!state.screeningWithin) {
        results[kLbsOverResult] = std::to_string(state.weight - maxWeight);
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
  const float limit = MaxBodyFat(state.age, state.sex);
  results[kBodyFatResult] = Figure(bodyFat, 2);
  results[kBodyFatLimitResult] = Figure(limit, 1);
  results[kBodyFatWithinResult] = YesNo(state.bodyFatWithin);
  if (!state.bodyFatWithin) {
    results[kBodyFatOverResult] = Figure(bodyFat - limit, 2);
  }
  score.tally = state.bodyFatWithin ? kWithinTally : kOverTally;
}

}  // namespace

roster::RowScore ScoreRow(roster::FigureCells cells, const shell::PersonalData* person) {
  roster::RowScore score;
  RowFields row = FieldsOfRow(cells, RosterProgram().figures);
  if (!row.refusal.empty()) {
    score.refused = true;
    score.message = row.refusal;
    return score;
  }
  WeightControlState state;
  const Outcome check = Run(&CheckScreening, state, row);
  if (!IsVerdict(check.message)) {
    score.refused = true;
    AppendMessage(score.message, check.message);
    return score;
  }
  AppendMessage(score.message, check.message);
  bool evaluated = check.evaluated;
  if (row.readings) {
    const Outcome calculate = Run(&CalculateBodyFat, state, row);
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
    score.refused = true;
    score.message = "Nothing to score: the height is empty.";
    return score;
  }
  // As the window shows it: what the Check found stays beside a Calculate
  // that refused the readings.
  ReadResults(state, score);
  if (score.refused) {
    score.tally = -1;
  } else if (person != nullptr) {
    score.report = BodyFatReport(state, *person);
  }
  return score;
}

}  // namespace heftrak
