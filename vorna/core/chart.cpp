#include "vorna/core/chart.h"

#include "shell/core/text_format.h"
#include "vorna/core/fields.h"
#include "vorna/core/scoring.h"

namespace vorna {
namespace {

constexpr int kTopPushups = 77;  // the highest 100-point repetitions of any push-up column
constexpr int kTopSitups = 82;   // and of any sit-up column
constexpr int kFastestRun = MinSec(13, 0);  // the fastest 100-point time of any run column
constexpr int kRunStep = 6;                 // run times are scored on a 6-second grid

// Rows of repetitions: "   %2i - %3i".
void AddRepetitionRow(std::vector<std::string>& rows, int repetitions, int points) {
  char row[32];
  shell::FormatText(row, sizeof row, "   %2i - %3i", repetitions, points);
  rows.emplace_back(row);
}

void AddTimeRow(std::vector<std::string>& rows, int seconds, int points) {
  char row[32];
  shell::FormatText(row, sizeof row, "%2i:%02i - %3i", seconds / 60, seconds % 60, points);
  rows.emplace_back(row);
}

}  // namespace

void ShowChart(shell::RequestList& requests, const ChartShown& chart) {
  // The sex letter, then the kind's number.
  const char text[] = {chart.sex, static_cast<char>('0' + static_cast<int>(chart.kind)), '\0'};
  requests.Program(kShowChart, chart.age, text);
}

ChartShown ChartOf(const shell::Request& request) {
  ChartShown chart;
  chart.age = request.value;
  chart.sex = request.text[0];
  chart.kind = static_cast<ChartKind>(request.text[1] - '0');
  return chart;
}

ChartKind ChartKindOf(int field) {
  switch (field) {
    case kPushups:
      return ChartKind::Pushups;
    case kSitups:
      return ChartKind::Situps;
    case kRunMinutes:
    case kRunSeconds:
      return ChartKind::Run;
    default:
      return ChartKind::None;
  }
}

const char* ChartHeader(ChartKind kind) {
  switch (kind) {
    case ChartKind::Pushups:
      return "Pushups-Points";
    case ChartKind::Situps:
      return "Situps-Points";
    case ChartKind::Run:
      return "Time-Points";
    case ChartKind::None:
      break;
  }
  return "";
}

std::string ChartTitle(int age, char sex) {
  static constexpr const char* kGroups[] = {"17-21", "22-26", "27-31", "32-36", "37-41",
                                            "42-46", "47-51", "52-56", "57-61", "62+"};
  const int group = AgeGroup(age);
  const char* groupText = group >= 0 && group < 10 ? kGroups[group] : kGroups[0];
  char title[32];
  shell::FormatText(title, sizeof title, "%s, %s", groupText, sex == 'M' ? "Male" : "Female");
  return title;
}

std::vector<std::string> ChartRows(ChartKind kind, int age, char sex) {
  std::vector<std::string> rows;
  const bool male = sex == 'M';
  switch (kind) {
    case ChartKind::Pushups:
      for (int r = kTopPushups; r >= 0; --r) {
        const int points = male ? MalePushupPoints(r, age) : FemalePushupPoints(r, age);
        if (points <= 100) {
          AddRepetitionRow(rows, r, points);
        }
      }
      break;
    case ChartKind::Situps:
      for (int r = kTopSitups; r >= 0; --r) {
        const int points = SitupPoints(r, age);
        if (points <= 100) {
          AddRepetitionRow(rows, r, points);
        }
      }
      break;
    case ChartKind::Run:
      for (int t = kFastestRun; t <= kRunFloorSeconds; t += kRunStep) {
        const int points = male ? MaleRunPoints(t, age) : FemaleRunPoints(t, age);
        if (points > 100) {
          continue;
        }
        AddTimeRow(rows, t, points);
        if (points == 0) {
          break;
        }
      }
      break;
    case ChartKind::None:
      break;
  }
  return rows;
}

}  // namespace vorna
