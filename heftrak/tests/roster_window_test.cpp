// A few roster rows typed into the real weight control window under Wine:
// what the window shows after Check and Calculate is what heftrak-roster
// writes for the same rows.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "heftrak/core/window_layout.h"
#include "heftrak/roster/roster_fields.h"
#include "heftrak/roster/roster_program.h"
#include "heftrak/tests/body_fat_over.h"
#include "heftrak/win32/main_window.h"
#include "heftrak/win32/program.h"
#include "roster/core/csv.h"
#include "roster/core/header.h"
#include "roster/core/run.h"
#include "roster/tests/expect_rows.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/observer.h"

namespace heftrak {
namespace {

constexpr std::string_view kRoster =
    "age,sex,height,weight,abdomen1,abdomen2,abdomen3,neck1,neck2,neck3,hips1,forearm1,wrist1\n"
    "25,m,72,210,40,40.25,,15,15.25,,,,\n"  // over the weight, over the body fat
    "30,F,64,150,,,,13.5,,,40,10,6.25\n"    // within the body fat
    "21,M,69.5,170,,,,,,,,,\n"              // screened only, within
    "44,f,62.5,,,,,,,,,,\n"                 // no weight: the maximum only
    "20,M,70,200,36,36.75,,15,,,,,\n"       // readings that disagree
    "71,M,70,180,,,,,,,,,\n";               // age out of range

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

class HeftrakRosterWindow : public harness::ProgramSuite<&Program> {
 protected:
  // Types the row's field texts as a clerk would, then runs Check and, with
  // readings, Calculate; returns the window's results by result column.
  roster::Shown TypeAndRun(const RowFields& row) {
    harness::FocusField(kSex);
    harness::PressAlt('l');
    harness::PressAlt('r');
    for (int id = 0; id < kMainFieldCount; ++id) {
      if (!row.texts[static_cast<std::size_t>(id)].empty()) {
        harness::FocusField(id);
        harness::Type(std::string(row.texts[static_cast<std::size_t>(id)]).c_str());
      }
    }
    roster::Shown shown;
    std::vector<std::string> messages;
    for (char command : std::string(row.readings ? "kc" : "k")) {
      // The prompt box's lines since it was last drawn empty, by height.
      std::map<int, std::string> lines;
      const PanelPlace box = PromptBox(shell::App().grid);
      shell::Observer observer;
      observer.panelDrawn = [&](HWND window, const shell::Stack& panel) {
        if (window == shell::App().mainWindow && panel == box) {
          lines.clear();
        }
      };
      observer.textDrawn = [&](HWND window, const shell::DrawnText& text) {
        if (window == shell::App().mainWindow && text.x >= box.left &&
            text.x < box.left + box.width && text.y >= box.top && text.y < box.top + box.height) {
          lines[text.y] += text.text;
        }
      };
      shell::Observe(&observer);
      harness::PressAlt(command);
      shell::Observe(nullptr);
      std::string message;
      for (const auto& [y, line] : lines) {
        if (line.starts_with("Max allowable weight: ")) {
          shown["max_weight"] = line.substr(22, line.find(' ', 22) - 22);
        } else if (line.starts_with("Max percent body fat: ")) {
          shown["body_fat_limit"] = line.substr(22, line.find('%') - 22);
        } else {
          message.append(message.empty() ? "" : " ").append(line);
        }
      }
      messages.push_back(message);
      const MessageCode shownCode = Window().message;
      if (shownCode != kNoMessage && shownCode != kNotWithinWeight && shownCode != kWithinWeight) {
        break;  // Check refused: nothing more to do
      }
    }
    const WeightControlState& state = Window().model.state;
    if (state.screeningShown && state.weight != 0) {
      shown["weight_within"] = state.screeningWithin ? "yes" : "no";
      if (!state.screeningWithin) {
        shown["lbs_over"] = std::to_string(state.weight - std::stoi(shown["max_weight"]));
      }
    }
    if (state.bodyFatShown) {
      shown["body_fat_within"] = state.bodyFatWithin ? "yes" : "no";
      const bool male = state.sex == 'M';
      const auto field = [](int id) {
        return Trimmed(harness::TextOf(shell::App().fields.At(id)));
      };
      shown["abdomen_avg"] = male ? field(kMaleAverageAbdomen) : "";
      shown["neck_avg"] = field(male ? kMaleAverageNeck : kFemaleAverageNeck);
      shown["hips_avg"] = male ? "" : field(kFemaleAverageHips);
      shown["forearm_avg"] = male ? "" : field(kFemaleAverageForearm);
      shown["wrist_avg"] = male ? "" : field(kFemaleAverageWrist);
      shown["body_fat"] = field(male ? kMaleBodyFat : kFemaleBodyFat);
      if (!state.bodyFatWithin) {
        shown["body_fat_over"] = BodyFatOver(shown["body_fat"], shown["body_fat_limit"]);
      }
    }
    std::string all;
    for (const std::string& message : messages) {
      all.append(all.empty() || message.empty() ? "" : " ").append(message);
    }
    const MessageCode last = Window().message;
    if (last != kNoMessage && last != kNotWithinWeight && last != kWithinWeight &&
        last != kNotWithinBodyFat && last != kWithinBodyFat && messages.size() == 1) {
      return {{"message", messages.back()}};  // Check refused: the refusal alone, no results
    }
    // A Calculate refused after a verdict of Check: the Check's results and both messages.
    shown["message"] = all;
    return shown;
  }
};

TEST_F(HeftrakRosterWindow, ShowsWhatTheRosterWrites) {
  const roster::CsvTable input = roster::ParseCsv(kRoster);
  const roster::HeaderMatch match = MatchHeader(RosterProgram(), input.records[0].cells);
  std::vector<roster::Shown> shown;
  for (std::size_t r = 1; r < input.records.size(); ++r) {
    std::vector<std::string_view> cells;
    for (int at : match.figures) {
      cells.push_back(at < 0 ? std::string_view()
                             : input.records[r].cells[static_cast<std::size_t>(at)]);
    }
    RowFields row;
    std::string refusal;
    FieldsOfRow(cells, RosterProgram().figures, row, refusal);
    shown.push_back(TypeAndRun(row));
  }
  std::string results;
  const roster::RosterSummary summary = ScoreRosterText(RosterProgram(), kRoster, results);
  roster::ExpectRows(summary, results, input.records[0].cells.size(), shown);
  EXPECT_EQ(summary.refused, 2);
}

}  // namespace
}  // namespace heftrak
