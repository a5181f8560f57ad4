// Feeds arbitrary field texts (any bytes, any length) to both programs'
// evaluations and checks that every result stays within its stated range;
// the same texts, as clipboard contents, must never paste anything but digits
// (or the Sex letter) into a number field. The whole input, taken as a
// roster file, must score into a results file that reads back whole.
// Built as a libFuzzer target with clang, and as a replay of the saved corpus
// in the test suites.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/keyboard.h"
#include "heftrak/core/window_model.h"
#include "heftrak/roster/roster_program.h"
#include "roster/core/csv.h"
#include "roster/core/run.h"
#include "shell/core/navigation.h"
#include "vorna/core/chart.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/keyboard.h"
#include "vorna/core/window_model.h"
#include "vorna/roster/roster_program.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "evaluations_fuzz: %s\n", what);
    std::abort();
  }
}

// Splits the input into field texts: each text is a length byte followed by
// that many bytes (a length of 255 takes everything that is left).
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

  std::string_view Text() {
    std::size_t length = Byte();
    const std::size_t left = size_ - at_;
    if (length == 255 || length > left) {
      length = left;
    }
    const std::string_view text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool Terminated(const char* text, std::size_t capacity, std::size_t maxLength) {
  const void* end = std::memchr(text, '\0', capacity);
  return end != nullptr &&
         static_cast<std::size_t>(static_cast<const char*>(end) - text) <= maxLength;
}

bool IsEntryField(int field) {
  return (field >= heftrak::kAge && field < heftrak::kMaleAverageAbdomen) ||
         (field >= heftrak::kFemaleReadingsFirst && field < heftrak::kFemaleAverageHips);
}

// A command gives the focus to a field at its end; only what that focus
// move brings may follow it.
bool GivesTheFocus(const shell::RequestList& list) {
  for (const shell::Request& request : list) {
    if (request.kind == shell::RequestKind::Focus) {
      return true;
    }
  }
  return false;
}

void CheckHeftrak(const shell::RequestList& list) {
  using namespace heftrak;
  using shell::RequestKind;
  Require(!list.overflowed(), "more requests than a list holds");
  Require(GivesTheFocus(list), "a command must give the focus to a field");
  bool message = false;
  bool alert = false;
  for (const shell::Request& request : list) {
    switch (request.kind) {
      case RequestKind::ShowMessage:
        Require(MessageFor(request.target).lineCount > 0, "unknown message code");
        message = true;
        break;
      case RequestKind::Alert:
        alert = true;
        break;
      case RequestKind::Focus:
        Require(IsEntryField(request.target), "focus outside the entry fields");
        break;
      case RequestKind::SetText: {
        Require(request.target >= kAge && request.target < kMainFieldCount,
                "write to an unknown field");
        const bool entry = IsEntryField(request.target);
        Require(Terminated(request.c_str(), request.text.size(), entry ? 2 : 7),
                "field text longer than its field");
        break;
      }
      case RequestKind::ExtraLine:
        Require(Terminated(request.c_str(), request.text.size(), 39), "extra line too long");
        break;
      default:
        break;
    }
  }
  Require(message == alert, "a message without the alert, or an alert without one");
}

void CheckVorna(const shell::RequestList& log, const vorna::TestState& state) {
  using namespace vorna;
  using shell::Request;
  using shell::RequestKind;
  Require(!log.overflowed() && log.size() <= 22, "too many requests");
  Require(GivesTheFocus(log), "Calculate must give the focus to a field");
  for (const Request& request : log) {
    switch (request.kind) {
      case RequestKind::SetText:
        Require(request.target == kRunMinutes || request.target == kRunSeconds,
                "only the run fields are written back");
        Require(Terminated(request.c_str(), request.text.size(), 2), "run text");
        break;
      case RequestKind::Focus:
        Require(request.target >= kAge && request.target < kEntryFieldCount, "focus field");
        break;
      case RequestKind::ShowMessage:
        Require(FitnessMessageText(request.target)[0] != '\0', "unknown message");
        break;
      case RequestKind::Program:
        Require(request.target != kShowChart || ChartOf(request).kind != ChartKind::None,
                "a chart of no event");
        break;
      case RequestKind::PaintLabel:
      case RequestKind::PaintResult:
        Require(request.target >= kPushupBox && request.target < kResultBoxCount, "result box");
        Require(Terminated(request.c_str(), request.text.size(), 3), "figure text");
        break;
      default:
        break;
    }
  }
  for (const EventScore& event : state.events) {
    Require(event.pointsText.empty() || event.points <= 100, "shown points above 100");
  }
  Require(state.scaledTotal <= 999, "scaled total above 999");
}

void CheckPaste(const shell::NavigationRules& rules, int field, std::string_view clipboard) {
  const shell::PasteDecision paste = shell::DecidePaste(rules, field, clipboard, {});
  if (!paste.accept) {
    return;
  }
  Require(paste.parts >= 1 && paste.parts <= 3, "a paste into no field or too many");
  for (int k = 0; k < paste.parts; ++k) {
    const std::string& text = paste.texts[static_cast<std::size_t>(k)];
    const int limit = rules.fieldChars(field + k);
    Require(limit == 0 || text.size() <= static_cast<std::size_t>(limit),
            "a paste longer than its field");
    if (field + k >= rules.freeTextLimit) {
      continue;
    }
    Require(paste.parts > 1 || !text.empty(), "an empty paste accepted");
    for (const char ch : text) {
      const bool passes =
          field + k == rules.sexField ? (ch == 'M' || ch == 'F') : (ch >= '0' && ch <= '9');
      Require(passes, "a pasted character the field would not take typed");
    }
  }
}

roster::RosterSummary Score(const roster::RosterProgram& program, std::string_view csv,
                            std::size_t block, std::string& results) {
  results.clear();
  const roster::ByteWriter writer = roster::TextWriter(results);
  roster::RosterSettings settings;
  settings.reports = true;
  int observed = 0;
  int reports = 0;
  const roster::RosterSummary summary = roster::ScoreRoster(
      program, roster::TextReader(csv, block), &writer, settings,
      [&](const roster::ScoredRow& row) {
        ++observed;
        reports += row.score.report ? 1 : 0;
        Require(!row.score.refused || !row.score.report, "a report of a refused row");
        return true;
      });
  if (summary.failure != roster::RosterFailure::None) {
    Require(!summary.error.empty(), "a failure without a reason");
    return summary;
  }
  Require(summary.read == summary.scored + summary.refused, "rows neither scored nor refused");
  Require(observed == summary.read && reports == summary.scored, "a report per scored row");
  int tallied = summary.withoutVerdict;
  for (int tally : summary.tallies) {
    tallied += tally;
  }
  Require(tallied == summary.scored, "a scored row in no count, or in two");
  Require(summary.refusedRows.size() ==
              std::min(static_cast<std::size_t>(summary.refused), roster::kListedRefusedRows),
          "the refused rows listed");
  return summary;
}

// The whole input as a roster file, read in blocks of every size from one
// byte: the results read back whole, with a line per row and no cell a
// spreadsheet would run, and scoring them again gives them unchanged.
void CheckRoster(const roster::RosterProgram& program, std::string_view csv) {
  std::string results;
  const roster::RosterSummary summary = Score(program, csv, 0, results);
  std::string again;
  const roster::RosterSummary bytewise = Score(program, csv, 1 + csv.size() % 7, again);
  Require(bytewise.failure == summary.failure && again == results,
          "the results depend on how the roster is read");
  if (summary.failure != roster::RosterFailure::None) {
    return;
  }
  std::string_view text = results;
  if (text.starts_with(roster::kUtf8ByteOrderMark)) {
    text.remove_prefix(roster::kUtf8ByteOrderMark.size());
  }
  const std::string sepLine = std::string("sep=") + summary.separator + "\r\n";
  if (text.starts_with(sepLine)) {
    text.remove_prefix(sepLine.size());
  }
  const roster::CsvTable table = roster::ParseCsv(text, summary.separator);
  Require(!table.error, "the results file does not read back");
  Require(table.records.size() == static_cast<std::size_t>(summary.read) + 1,
          "a results line per row");
  for (const roster::CsvRecord& record : table.records) {
    Require(record.cells.size() >= table.records[0].cells.size(), "a results line cut short");
    for (const std::string& cell : record.cells) {
      Require(!roster::LooksLikeFormula(cell), "a formula in the results");
    }
  }
  std::string rescored;
  const roster::RosterSummary second = Score(program, results, 0, rescored);
  Require(second.failure == roster::RosterFailure::None && rescored == results &&
              second.read == summary.read && second.refused == summary.refused,
          "a results file scored again changes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  const std::uint8_t flags = input.Byte();

  heftrak::WindowModel weight;
  weight.state.ageSexValidated = (flags & 1) != 0;
  weight.state.age = 17 + (flags >> 2) % 54;
  weight.state.sex = (flags & 2) != 0 ? 'F' : 'M';
  for (int id = 0; id < heftrak::kMainFieldCount; ++id) {
    const std::string_view text = input.Text();
    CheckPaste(heftrak::kNavigation, id, text);
    weight.fields.Load(id, text);
  }
  CheckHeftrak(weight.Command(heftrak::kCheckCommand));
  CheckHeftrak(weight.Command(heftrak::kCalculateCommand));

  vorna::WindowModel test;
  for (int id = 0; id < vorna::kEntryFieldCount; ++id) {
    const std::string_view text = input.Text();
    CheckPaste(vorna::kNavigation, id, text);
    test.fields.Load(id, text);
  }
  for (int round = 0; round < 2; ++round) {  // the second round runs accepted
    CheckVorna(test.Command(vorna::kCalculateCommand), test.state);
  }

  const std::string_view csv(reinterpret_cast<const char*>(data), size);
  CheckRoster(heftrak::RosterProgram(), csv);
  CheckRoster(vorna::RosterProgram(), csv);
  return 0;
}
