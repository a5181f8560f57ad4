#include "vorna/roster/roster_row.h"

#include <array>
#include <optional>

#include "roster/core/score_sheet.h"
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

// The least repetitions, or the slowest run, that score 60 points, by event,
// sex and accepted age: worked out once, the first time a roster asks.
class PassingScores {
 public:
  PassingScores() {
    for (int event = kPushupEvent; event < kEventCount; ++event) {
      for (int age = kFirstAge; age <= kLastAge; ++age) {
        for (const char sex : {'M', 'F'}) {
          raw_[Index(static_cast<Event>(event), sex, age)] =
              RawScoreReaching(static_cast<Event>(event), sex, age, kPassingPoints);
        }
      }
    }
  }

  int Reaching(Event event, char sex, int age) const {
    if (age < kFirstAge || age > kLastAge) {
      return RawScoreReaching(event, sex, age, kPassingPoints);
    }
    return raw_[Index(event, sex, age)];
  }

 private:
  // The ages Calculate accepts.
  static constexpr int kFirstAge = 17;
  static constexpr int kLastAge = 70;
  static constexpr std::size_t kAges = kLastAge - kFirstAge + 1;

  static std::size_t Index(Event event, char sex, int age) {
    return (static_cast<std::size_t>(event) * 2 + (sex == 'M' ? 0 : 1)) * kAges +
           static_cast<std::size_t>(age - kFirstAge);
  }

  std::array<int, kEventCount * 2 * kAges> raw_{};
};

const PassingScores& Passing() {
  static const PassingScores scores;
  return scores;
}

using Sheet = roster::ScoreSheet<kRosterResults>;

// What an event still needs to reach 60 points; nothing when it has them.
void ToPass(const TestState& state, Event event, Sheet& sheet) {
  const EventScore& score = state.events[static_cast<std::size_t>(event)];
  if (!score.pointsText.empty() && score.points >= kPassingPoints) {
    return;
  }
  const int raw = Passing().Reaching(event, state.sex, state.age);
  const int column = kPushupsToPassResult + static_cast<int>(event);
  if (event == kRunEvent) {
    sheet.SetMinutes(column, raw);
  } else {
    sheet.SetNumber(column, raw);
  }
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
  model_.fields.LoadAll(fields_);
  const TestState& state = model_.state;
  model_.Command(kCalculateCommand, requests_);
  for (const shell::Request& request : requests_) {
    if (request.kind == shell::RequestKind::ShowMessage) {
      sheet_.AddMessage(FitnessMessageText(request.target));
      sheet_.SetRefused(sheet_.refused() || IsRefusal(request.target));
    }
  }
  // Refused seconds leave the run unscored but, as in the window, the other
  // events scored: their points stay beside the refusal.
  if (sheet_.refused() && !state.resultsShown) {
    return sheet_.score();
  }
  if (!state.resultsShown) {
    sheet_.Refuse("Nothing to score: pushups, situps and run are empty.");
    return sheet_.score();
  }
  sheet_.StartResults();
  for (int event = kPushupEvent; event < kEventCount; ++event) {
    const EventScore& scored = state.events[static_cast<std::size_t>(event)];
    sheet_.Set(kPushupPointsResult + event, scored.pointsText.c_str());
    if (!sheet_.refused() || !scored.pointsText.empty()) {
      ToPass(state, static_cast<Event>(event), sheet_);
    }
  }
  if (sheet_.refused()) {
    return sheet_.score();
  }
  sheet_.Set(kTotalResult, state.totalText.c_str());
  sheet_.Set(kScaledResult, state.scaledText.c_str());
  switch (VerdictOf(state)) {
    case Verdict::Passed:
      sheet_.Set(kVerdictResult, "passed");
      sheet_.SetTally(kPassedTally);
      break;
    case Verdict::Failed:
      sheet_.Set(kVerdictResult, "failed");
      sheet_.SetTally(kFailedTally);
      break;
    case Verdict::Maxed:
      sheet_.Set(kVerdictResult, "maxed");
      sheet_.SetTally(kMaxedTally);
      break;
    case Verdict::NotScored:
      break;
  }
  if (person != nullptr) {
    report_ = ScoreReport(state, *person);
    sheet_.SetReport(&*report_);
  }
  return sheet_.score();
}

}  // namespace

std::unique_ptr<roster::RowScorer> RowScorer() {
  return std::make_unique<Scorer>();
}

}  // namespace vorna
