#include "heftrak/roster/roster_row.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/report.h"
#include "heftrak/core/window_model.h"
#include "heftrak/roster/roster_fields.h"
#include "roster/core/score_sheet.h"

namespace heftrak {

namespace {

constexpr const char* kIncompleteReadings =
    "Calculate needs a reading of every site: abdomen and neck for men; hips, forearm, neck and "
    "wrist for women.";

bool IsVerdict(MessageCode code) {
  return code == kNoMessage || code == kNotWithinWeight || code == kWithinWeight ||
         code == kNotWithinBodyFat || code == kWithinBodyFat;
}

// Each message's prompt box lines as one line of text, a blank between
// lines, each line's segments joined: worked out once, the first time a
// roster asks, so that a row's message takes one append a command.
class MessageLines {
 public:
  MessageLines() {
    for (int code = 0; code < kCodes; ++code) {
      const Message& message = MessageFor(code);
      std::string& text = texts_[static_cast<std::size_t>(code)];
      for (std::size_t i = 0; i < std::min(message.lineCount, message.lines.size()); ++i) {
        const MessageLine& line = message.lines[i];
        text += i == 0 ? "" : " ";
        for (std::size_t s = 0; s < line.segmentCount; ++s) {
          text += line.segments[s].text;
        }
      }
    }
  }

  // The prompt box's lines as one line of text, after the messages before it.
  void Add(std::string& text, MessageCode code) const {
    if (code < 0 || code >= kCodes || texts_[static_cast<std::size_t>(code)].empty()) {
      return;
    }
    if (!text.empty()) {
      text += ' ';
    }
    text += texts_[static_cast<std::size_t>(code)];
  }

 private:
  static constexpr int kCodes = kBodyFatBelowZero + 1;
  std::array<std::string, kCodes> texts_;
};

void AddMessage(std::string& text, MessageCode code) {
  // On the heap: the program's file carries no room for them.
  static const auto lines = std::make_unique<const MessageLines>();
  lines->Add(text, code);
}

std::string_view YesNo(bool yes) {
  return yes ? "yes" : "no";
}

// What one command did, as the window shows it.
struct Outcome {
  bool evaluated = false;  // it cleared the prompt box: it had something to evaluate
  MessageCode message = kNoMessage;
};

Outcome Read(const shell::RequestList& requests) {
  // Searched from the ends a command puts them at: an evaluation clears the
  // prompt box first, and its message comes among its last requests.
  Outcome outcome;
  outcome.evaluated = std::any_of(requests.begin(), requests.end(), [](const shell::Request& r) {
    return r.kind == shell::RequestKind::ClearMessage;
  });
  for (const shell::Request* request = requests.end(); request != requests.begin();) {
    if ((--request)->kind == shell::RequestKind::ShowMessage) {
      outcome.message = static_cast<MessageCode>(request->target);
      break;
    }
  }
  return outcome;
}

using Sheet = roster::ScoreSheet<kRosterResults>;

void ReadResults(const WeightControlState& state, Sheet& sheet) {
  sheet.StartResults();
  if (state.screeningShown) {
    sheet.SetNumber(kMaxWeightResult, state.maxWeight);
    if (state.weight != 0) {
      sheet.Set(kWeightWithinResult, YesNo(state.screeningWithin));
      if (!state.screeningWithin) {
        sheet.SetNumber(kLbsOverResult, state.weight - state.maxWeight);
      }
      sheet.SetTally(state.screeningWithin ? kWithinTally : kToBeTapedTally);
    }
  }
  if (!state.bodyFatShown) {
    return;
  }
  // The averages and the body fat as the calculator's fields show them,
  // without their padding: made from the figures Calculate wrote into them,
  // whose texts in the fields are made only when somebody reads them.
  float bodyFat = 0;
  if (state.sex == 'M') {
    sheet.SetFigure(kAbdomenAverageResult, state.maleAverages[kAbdomen], 2);
    sheet.SetFigure(kNeckAverageResult, state.maleAverages[kMaleNeck], 2);
    bodyFat = state.percentBodyFat;
  } else {
    sheet.SetFigure(kHipsAverageResult, state.femaleAverages[kHips], 2);
    sheet.SetFigure(kForearmAverageResult, state.femaleAverages[kForearm], 2);
    sheet.SetFigure(kNeckAverageResult, state.femaleAverages[kFemaleNeck], 2);
    sheet.SetFigure(kWristAverageResult, state.femaleAverages[kWrist], 2);
    bodyFat = state.female.bodyFat;
  }
  sheet.SetFigure(kBodyFatResult, bodyFat, 2);
  sheet.SetFigure(kBodyFatLimitResult, state.bodyFatLimit, 1);
  sheet.Set(kBodyFatWithinResult, YesNo(state.bodyFatWithin));
  if (!state.bodyFatWithin) {
    sheet.SetFigure(kBodyFatOverResult, bodyFat - state.bodyFatLimit, 2);
  }
  sheet.SetTally(state.bodyFatWithin ? kWithinTally : kOverTally);
}

class Scorer final : public roster::RowScorer {
 public:
  const roster::RowScore& Score(roster::FigureCells cells,
                                const shell::PersonalData* person) override;

 private:
  WindowModel model_;
  shell::RequestList requests_;
  RowFields fields_;
  Sheet sheet_;
  std::optional<shell::Report> report_;
};

const roster::RowScore& Scorer::Score(roster::FigureCells cells,
                                      const shell::PersonalData* person) {
  sheet_.Clear();
  if (!FieldsOfRow(cells, kFigureColumns, fields_, sheet_.message())) {
    sheet_.SetRefused(true);
    return sheet_.score();
  }
  // The row's texts in the fields of a window just opened.
  model_.Reset();
  for (std::size_t i = 0; i < fields_.filledCount; ++i) {
    model_.fields.Load(fields_.filled[i],
                       fields_.texts[static_cast<std::size_t>(fields_.filled[i])]);
  }
  const WeightControlState& state = model_.state;
  model_.Command(kCheckCommand, requests_);
  const Outcome check = Read(requests_);
  AddMessage(sheet_.message(), check.message);
  if (!IsVerdict(check.message)) {
    sheet_.SetRefused(true);
    return sheet_.score();
  }
  bool evaluated = check.evaluated;
  if (fields_.readings) {
    model_.Command(kCalculateCommand, requests_);
    const Outcome calculate = Read(requests_);
    evaluated = evaluated || calculate.evaluated;
    if (!calculate.evaluated) {
      // The window does nothing then; a roster must not drop typed readings unsaid.
      sheet_.SetRefused(true);
      sheet_.AddMessage(kIncompleteReadings);
    } else {
      sheet_.SetRefused(!IsVerdict(calculate.message));
      AddMessage(sheet_.message(), calculate.message);
    }
  }
  if (!evaluated) {
    sheet_.Refuse("Nothing to score: the height is empty.");
    return sheet_.score();
  }
  // As the window shows it: what the Check found stays beside a Calculate
  // that refused the readings.
  ReadResults(state, sheet_);
  if (!sheet_.refused() && person != nullptr) {
    report_ = BodyFatReport(state, *person);
    sheet_.SetReport(&*report_);
  }
  return sheet_.score();
}

}  // namespace

std::unique_ptr<roster::RowScorer> RowScorer() {
  return std::make_unique<Scorer>();
}

}  // namespace heftrak
