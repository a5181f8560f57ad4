#include "shell/core/report_fit.h"

#include <algorithm>

namespace shell {

namespace {

// What a line needs (its width, plus a blank where it must stop short of the
// middle) against the room it has, both in pixels at one character height.
struct Demand {
  long long need = 0;
  long long room = 0;
};

bool SharesLineWithMiddle(const Report& report, int line) {
  return std::any_of(report.lines.begin(), report.lines.end(), [line](const ReportLine& other) {
    return other.line == line && other.place == LinePlace::Middle;
  });
}

Demand DemandOf(const Report& report, const ReportLine& line, const PageGeometry& page, int height,
                const WidthAtHeight& width) {
  const long long middle = page.pageWidth / 2;
  const long long text = width(line.text, height);
  switch (line.place) {
    case LinePlace::Centre:
      return {text, 2 * middle};
    case LinePlace::Middle:
      return {text, page.pageWidth - middle};
    case LinePlace::Margin:
      break;
  }
  if (SharesLineWithMiddle(report, line.line)) {
    return {text + width(" ", height), middle - page.margin};
  }
  return {text, page.pageWidth - page.margin};
}

// `height` when every line fits at it, otherwise a smaller estimate: the
// height at which the line that overruns most would just fit, were widths
// exactly proportional to heights.
long long Estimate(const Report& report, const PageGeometry& page, int height,
                   const WidthAtHeight& width) {
  long long estimate = height;
  for (const ReportLine& line : report.lines) {
    const Demand demand = DemandOf(report, line, page, height, width);
    if (demand.need > demand.room) {
      estimate = std::min(estimate, std::max(demand.room, 0LL) * height / demand.need);
    }
  }
  return estimate;
}

}  // namespace

int FittedCharacterHeight(const Report& report, const PageGeometry& page, int characterHeight,
                          const WidthAtHeight& width) {
  // Glyphs snap to whole pixels, so widths do not shrink exactly with the
  // height: each estimate is measured again, and a few passes settle.
  constexpr int kPasses = 16;
  const int own = std::max(characterHeight, 1);
  int height = own;
  for (int pass = 0; pass < kPasses && height > 1; ++pass) {
    const long long estimate = Estimate(report, page, height, width);
    if (estimate == height) {
      break;
    }
    height = static_cast<int>(std::clamp(estimate, 1LL, static_cast<long long>(height) - 1));
  }
  // The same snapping can make an estimate smaller than needed.
  for (int pass = 0; pass < kPasses && height < own; ++pass) {
    if (Estimate(report, page, height + 1, width) != height + 1) {
      break;
    }
    ++height;
  }
  return height;
}

}  // namespace shell
