#include "heftrak/core/report.h"

#include <string>

#include "heftrak/core/evaluation.h"
#include "shell/core/fixed_format.h"
#include "shell/core/text_format.h"

namespace heftrak {

namespace {

using shell::Align;

// A body line with its figures fits the shell's line buffer (at most 26
// characters of text, six ints of 11 characters and a figure of 24).
using shell::LineBuffer;
using shell::Written;

// A figure with two decimals, as printf's "%W.2f" or "%-W.2f" would show it.
std::string Figure(float value, int width, Align align) {
  char text[32];
  shell::FormatFixed(text, sizeof text, value, 2, width, align);
  return text;
}

std::string Average(float value) {
  return Figure(value, 5, Align::Left);
}

std::string Limit(float percent) {
  char text[32];
  shell::FormatFixed(text, sizeof text, percent, 1, 0, Align::Left);
  return std::string(text) + "%";
}

// The screening figures as the state holds them for its age, sex, height
// and weight (DeriveFigures).
void AddScreening(shell::Report& report, const WeightControlState& state) {
  LineBuffer line;
  const int length =
      shell::FormatText(line, sizeof line, "Max Allowable Weight:  %i", state.maxWeight);
  shell::AddLine(report, 11, Written(line, length));
  if (state.screeningWithin) {
    shell::AddLine(report, 12, "Soldier is within weight limit.");
    shell::AddUnderline(report, 12, "Soldier ", "is");
  } else {
    shell::AddLine(report, 12, "Soldier is not within weight limit.");
    shell::AddUnderline(report, 12, "Soldier is ", "not");
  }
}

void AddCompliance(shell::Report& report, int line, const WeightControlState& state) {
  LineBuffer text;
  const int length = shell::FormatText(text, sizeof text, "Max Allowable Percent Body Fat:   %s",
                                       Limit(state.bodyFatLimit).c_str());
  shell::AddLine(report, line, Written(text, length));
  if (state.bodyFatWithin) {
    shell::AddLine(report, line + 1, "Soldier is in compliance with Army standards.");
    shell::AddUnderline(report, line + 1, "Soldier ", "is");
  } else {
    shell::AddLine(report, line + 1, "Soldier is not in compliance with Army standards.");
    shell::AddUnderline(report, line + 1, "Soldier is ", "not");
  }
}

void AddMale(shell::Report& report, const WeightControlState& state) {
  shell::AddLine(report, 14, "Measurements:  1st    2nd    3rd    Average");
  // An empty reading prints as 00.00 in its column.
  const auto site = [&](int line, const char* label, int siteIndex) {
    const auto& r = state.maleReadings[static_cast<std::size_t>(siteIndex)];
    LineBuffer text;
    const int length = shell::FormatText(
        text, sizeof text, "%s%02i.%02i  %02i.%02i  %02i.%02i    %s", label, r[0].whole,
        r[0].hundredths, r[1].whole, r[1].hundredths, r[2].whole, r[2].hundredths,
        Average(state.maleAverages[static_cast<std::size_t>(siteIndex)]).c_str());
    shell::AddLine(report, line, Written(text, length));
  };
  site(15, "Abdomen:      ", kAbdomen);
  site(16, "Neck:         ", kMaleNeck);
  shell::AddLine(report, 18, "                       Difference:   " + Average(state.difference));
  shell::AddLine(
      report, 19,
      "              Abdomen-Neck Factor:  " + Figure(state.abdomenNeckFactor, 6, Align::Right));
  shell::AddLine(report, 20, "                    Height Factor:   " + Average(state.heightFactor));
  shell::AddLine(report, 21,
                 "                 Percent Body Fat:   " + Average(state.percentBodyFat) + "%");
  AddCompliance(report, 23, state);
}

void AddFemale(shell::Report& report, const WeightControlState& state) {
  shell::AddLine(report, 14, "Measurements:  1st    2nd    3rd    Average");
  // An empty reading prints as a blank and 0.00 in its column.
  const auto site = [&](int line, const char* label, int siteIndex, const char* gap) {
    const auto& r = state.femaleReadings[static_cast<std::size_t>(siteIndex)];
    LineBuffer text;
    const int length = shell::FormatText(
        text, sizeof text, "%s%2i.%02i  %2i.%02i  %2i.%02i%s%s", label, r[0].whole, r[0].hundredths,
        r[1].whole, r[1].hundredths, r[2].whole, r[2].hundredths, gap,
        Average(state.femaleAverages[static_cast<std::size_t>(siteIndex)]).c_str());
    shell::AddLine(report, line, Written(text, length));
  };
  // The forearm and wrist averages stand one column further right.
  site(15, "Hips:         ", kHips, "    ");
  site(16, "Forearm:      ", kForearm, "     ");
  site(17, "Neck:         ", kFemaleNeck, "    ");
  site(18, "Wrist:        ", kWrist, "     ");
  const FemaleFactors& f = state.female;
  const auto factor = [&](int line, const char* label, float value, int width) {
    shell::AddLine(report, line, label + Figure(value, width, Align::Right));
  };
  factor(20, "               A. Weight Factor:    ", f.weight, 6);
  factor(21, "               B. Hip Factor:        ", f.hip, 5);
  factor(22, "               C. Total (A+B):      ", f.totalAB, 6);
  factor(23, "               D. Height Factor:    ", f.height, 6);
  factor(24, "               E. Forearm Factor:    ", f.forearm, 5);
  factor(25, "               F. Neck Factor:       ", f.neck, 5);
  factor(26, "               G. Wrist Factor:       ", f.wrist, 4);
  factor(27, "               H. Total (D+E+F+G):  ", f.totalDEFG, 6);
  shell::AddLine(
      report, 28,
      "               I. Percent Body Fat:  " + Figure(f.bodyFat, 5, Align::Right) + "%");
  AddCompliance(report, 30, state);
}

}  // namespace

shell::Report BodyFatReport(const WeightControlState& state, const shell::PersonalData& person) {
  shell::Report report = shell::ReportWithHeader("Body Fat Content Report", "Weight Control",
                                                 person, state.age, state.sex);
  LineBuffer line;
  int length = shell::FormatText(line, sizeof line, "Height (in.): %i.%02i", state.heightWhole,
                                 state.heightHundredths);
  shell::AddLine(report, 9, Written(line, length));
  if (state.weight == 0) {
    shell::AddLine(report, 10, "Weight (lbs.):");
  } else {
    length = shell::FormatText(line, sizeof line, "Weight (lbs.): %i", state.weight);
    shell::AddLine(report, 10, Written(line, length));
    AddScreening(report, state);
  }
  // A percent body fat below zero comes only from mistaken readings: it is
  // never a result, and no verdict is printed for it.
  if (state.bodyFatShown) {
    if (state.sex == 'M' && !BodyFatBelowZero(state.percentBodyFat)) {
      AddMale(report, state);
    } else if (state.sex == 'F' && !BodyFatBelowZero(state.female.bodyFat)) {
      AddFemale(report, state);
    }
  }
  return report;
}

}  // namespace heftrak
