// A report's body as a test reads it: the lines below the personal data
// header, each with its line number.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/core/report.h"

namespace report_lines {

using Lines = std::vector<std::pair<int, std::string>>;

// Every body line stands at the margin.
inline Lines BodyOf(const shell::Report& report) {
  Lines body;
  for (const shell::ReportLine& line : report.lines) {
    if (line.line >= 9) {
      EXPECT_EQ(line.place, shell::LinePlace::Margin) << line.text;
      body.emplace_back(line.line, line.text);
    }
  }
  return body;
}

}  // namespace report_lines
