// The summary page's bar chart as shapes: each label's two bars side by
// side on one baseline, their heights in proportion to their counts, each
// count written on its bar (above it when the bar is too short to hold
// it), the labels under the bars and a legend above them. The window and
// the printer draw the same shapes, each in its own pixels and font.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/summary_page.h"
#include "shell/core/colour.h"
#include "shell/core/layout_grid.h"
#include "shell/core/print_dialog_layout.h"

namespace roster {

// The bars' colours, as the calculators paint a verdict: blue for passed or
// within, red for failed or not within. A count on a bar is white.
inline constexpr std::array<shell::Rgb, 2> kSeriesColours = {shell::kBlue, shell::kRed};
inline constexpr shell::Rgb kCountOnBarColour = {255, 255, 255};

// A text centred in its box (left-aligned where `left` says so), one row high.
struct ChartText {
  std::string text;
  shell::Box box;
  bool left = false;
  bool onBar = false;  // drawn on a bar, in the colour that reads on it
};

struct ChartBar {
  int series = 0;  // 0 or 1: which of the label's bars, which colour
  long long count = 0;
  shell::Box box;  // no height for nothing
};

struct ChartShapes {
  ChartText caption;
  std::array<shell::Box, 2> keys;   // the legend's colour keys
  std::array<ChartText, 2> series;  // what each colour counts, beside its key
  std::vector<ChartBar> bars;       // the labels' in order, two each
  std::vector<ChartText> counts;    // one per bar
  std::vector<ChartText> labels;    // the labels' rows, under the bars
  int baseline = 0;                 // the line the bars stand on
  int left = 0;                     // where it runs, from left to right
  int right = 0;
};

// How wide a text is, in the pixels of whatever draws it.
using TextWidth = std::function<int(std::string_view text)>;

// The least room the chart takes whose texts are `rowHeight` high: every
// count on its bar and every label word whole.
shell::Size ChartSize(const PageChart& chart, int rowHeight, const TextWidth& width);

// The chart in `area` (at least ChartSize), its tallest bar as tall as the
// area leaves, every other in proportion (at least a pixel for a count that
// is not nothing).
ChartShapes LayoutChart(const PageChart& chart, const shell::Box& area, int rowHeight,
                        const TextWidth& width);

}  // namespace roster
