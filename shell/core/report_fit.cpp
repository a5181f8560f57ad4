#include "shell/core/report_fit.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/core/line_break.h"

namespace shell {

namespace {

// A line to fit and whether it must end a blank before the middle of the
// page (the name, beside the Date) rather than inside the page.
struct Fit {
  const ReportLine* line;
  bool beforeMiddle;
};

// What a line needs (its width, plus a blank where it must stop short of the
// middle) against the room it has, both in pixels at one character height.
struct Demand {
  long long need = 0;
  long long room = 0;
};

Demand DemandOf(const Fit& fit, const PageGeometry& page, int height, const WidthAtHeight& width) {
  const long long middle = page.pageWidth / 2;
  const long long text = width(fit.line->text, height);
  switch (fit.line->place) {
    case LinePlace::Centre:
      return {text, 2 * middle};
    case LinePlace::Middle:
      return {text, page.pageWidth - middle};
    case LinePlace::Margin:
      break;
  }
  if (fit.beforeMiddle) {
    return {text + width(" ", height), middle - page.margin};
  }
  return {text, page.pageWidth - page.margin};
}

// `height` when every line fits at it, otherwise a smaller estimate: the
// height at which the line that overruns most would just fit, were widths
// exactly proportional to heights.
long long Estimate(const std::vector<Fit>& fits, const PageGeometry& page, int height,
                   const WidthAtHeight& width) {
  long long estimate = height;
  for (const Fit& fit : fits) {
    const Demand demand = DemandOf(fit, page, height, width);
    if (demand.need > demand.room) {
      estimate = std::min(estimate, std::max(demand.room, 0LL) * height / demand.need);
    }
  }
  return estimate;
}

// The largest height up to `start` (at least 1) at which every line fits.
int LargestFitting(const std::vector<Fit>& fits, const PageGeometry& page, int start,
                   const WidthAtHeight& width) {
  // Glyphs snap to whole pixels, so widths do not shrink exactly with the
  // height: each estimate is measured again, and a few passes settle.
  constexpr int kPasses = 16;
  const int own = std::max(start, 1);
  int height = own;
  for (int pass = 0; pass < kPasses && height > 1; ++pass) {
    const long long estimate = Estimate(fits, page, height, width);
    if (estimate == height) {
      break;
    }
    height = static_cast<int>(std::clamp(estimate, 1LL, static_cast<long long>(height) - 1));
  }
  // The same snapping can make an estimate smaller than needed.
  for (int pass = 0; pass < kPasses && height < own; ++pass) {
    if (Estimate(fits, page, height + 1, width) != height + 1) {
      break;
    }
    ++height;
  }
  return height;
}

// The name: the margin line that shares its line with a middle line (the Date).
std::optional<std::size_t> NameLine(const Report& report) {
  for (std::size_t i = 0; i < report.lines.size(); ++i) {
    const ReportLine& line = report.lines[i];
    const bool besideMiddle =
        std::any_of(report.lines.begin(), report.lines.end(), [&line](const ReportLine& other) {
          return other.line == line.line && other.place == LinePlace::Middle;
        });
    if (line.place == LinePlace::Margin && besideMiddle) {
      return i;
    }
  }
  return std::nullopt;
}

// The name broken into rows at `height`: the first ends a blank before the
// middle, the others, indented, inside the page.
std::vector<std::string> NameRows(std::string_view text, const PageGeometry& page, int height,
                                  const WidthAtHeight& width) {
  const long long middle = page.pageWidth / 2;
  std::vector<std::string> rows;
  while (!text.empty()) {
    const std::string indent(rows.empty() ? std::string_view{} : kNameRowIndent);
    const long long room =
        rows.empty() ? middle - page.margin - width(" ", height) : page.pageWidth - page.margin;
    // The longest start of the text that fits: widths grow with the text.
    std::size_t low = 0;
    std::size_t high = text.size();
    while (low < high) {
      const std::size_t mid = (low + high + 1) / 2;
      if (width(indent + std::string(text.substr(0, mid)), height) <= room) {
        low = mid;
      } else {
        high = mid - 1;
      }
    }
    const std::size_t end = RowBreak(text, low);
    std::string_view row = text.substr(0, end);
    row = row.substr(0, row.find_last_not_of(' ') + 1);
    rows.push_back(indent + std::string(row));
    text.remove_prefix(end);
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  }
  if (rows.empty()) {
    rows.emplace_back();
  }
  return rows;
}

// The name printed at `height`, in rows when it needs more than one; the
// lines below it move down by the rows added.
void SetName(FittedReport& fitted, std::size_t index, int height, std::vector<std::string> rows) {
  std::vector<ReportLine>& lines = fitted.report.lines;
  const int own = height == fitted.pageHeight ? 0 : height;
  const int first = lines[index].line;
  const int added = static_cast<int>(rows.size()) - 1;
  for (ReportLine& line : lines) {
    if (line.line > first) {
      line.line += added;
    }
  }
  for (Underline& underline : fitted.report.underlines) {
    if (underline.line > first) {
      underline.line += added;
    }
  }
  lines[index].text = std::move(rows[0]);
  lines[index].characterHeight = own;
  for (std::size_t k = 1; k < rows.size(); ++k) {
    lines.push_back({first + static_cast<int>(k), std::move(rows[k]), LinePlace::Margin, own});
  }
}

}  // namespace

FittedReport FitReport(const Report& report, const PageGeometry& page, int characterHeight,
                       const WidthAtHeight& width) {
  FittedReport fitted{std::max(characterHeight, 1), report};
  const std::optional<std::size_t> name = NameLine(report);
  std::vector<Fit> others;
  for (std::size_t i = 0; i < report.lines.size(); ++i) {
    if (i != name) {
      others.push_back({&report.lines[i], false});
    }
  }
  fitted.pageHeight = LargestFitting(others, page, characterHeight, width);
  if (!name) {
    return fitted;
  }
  const ReportLine& nameLine = report.lines[*name];
  const int floor = std::max(1, (fitted.pageHeight * kNameFloorPercent + 99) / 100);
  const std::vector<Fit> alone = {{&nameLine, true}};
  const int height = LargestFitting(alone, page, fitted.pageHeight, width);
  if (height >= floor && Estimate(alone, page, height, width) == height) {
    SetName(fitted, *name, height, {nameLine.text});
  } else {
    SetName(fitted, *name, floor, NameRows(nameLine.text, page, floor, width));
  }
  return fitted;
}

}  // namespace shell
