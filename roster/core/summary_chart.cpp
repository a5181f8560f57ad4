#include "roster/core/summary_chart.h"

#include <algorithm>

#include "shell/core/line_break.h"

namespace roster {

namespace {

// The measures every part of the chart takes from its row height.
struct Measures {
  int row;
  int pad;  // between neighbours
  int key;  // a legend key's side
  int keyGap;
};

Measures MeasuresOf(int rowHeight) {
  const int row = std::max(rowHeight, 4);
  return {row, std::max(row / 4, 1), std::max(row * 2 / 3, 2), std::max(row / 3, 1)};
}

// A bar as wide as the widest count with room beside it, and at least two
// rows wide.
int BarWidth(const PageChart& chart, const Measures& m, const TextWidth& width) {
  int widest = 0;
  for (const PageBar& bar : chart.bars) {
    for (long long count : bar.counts) {
      widest = std::max(widest, width(CountText(count)));
    }
  }
  return std::max(widest + 2 * m.pad, 2 * m.row);
}

int WidestWord(const PageChart& chart, const TextWidth& width) {
  int widest = 0;
  for (const PageBar& bar : chart.bars) {
    std::string_view rest = bar.label;
    while (!rest.empty()) {
      const std::size_t blank = std::min(rest.find(' '), rest.size());
      widest = std::max(widest, width(rest.substr(0, blank)));
      rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
  }
  return widest;
}

int LegendWidth(const PageChart& chart, const Measures& m, const TextWidth& width) {
  return 2 * (m.key + m.keyGap) + width(chart.series[0]) + 2 * m.row + width(chart.series[1]);
}

}  // namespace

shell::Size ChartSize(const PageChart& chart, int rowHeight, const TextWidth& width) {
  const Measures m = MeasuresOf(rowHeight);
  const int slot =
      std::max(2 * BarWidth(chart, m, width) + m.pad, WidestWord(chart, width)) + 2 * m.pad;
  const int bars = static_cast<int>(chart.bars.size()) * slot;
  // The caption and legend, the bars at least six rows high, two rows of labels.
  return {std::max({bars, LegendWidth(chart, m, width), width(chart.caption)}),
          2 * m.row + 2 * m.pad + 6 * m.row + m.pad + 2 * m.row};
}

ChartShapes LayoutChart(const PageChart& chart, const shell::Box& area, int rowHeight,
                        const TextWidth& width) {
  const Measures m = MeasuresOf(rowHeight);
  ChartShapes shapes;
  shapes.left = area.left;
  shapes.right = area.left + area.width;
  shapes.caption = {chart.caption, {area.left, area.top, area.width, m.row}, true};

  // The legend: a key, what it counts, then the other.
  const int legendTop = area.top + m.row + m.pad;
  int x = area.left;
  for (std::size_t series = 0; series < 2; ++series) {
    shapes.keys[series] = {x, legendTop + (m.row - m.key) / 2, m.key, m.key};
    x += m.key + m.keyGap;
    const int text = width(chart.series[series]);
    shapes.series[series] = {chart.series[series], {x, legendTop, text, m.row}, true};
    x += text + 2 * m.row;
  }

  const int count = std::max(static_cast<int>(chart.bars.size()), 1);
  const int slot = area.width / count;
  const int barWidth = std::min(BarWidth(chart, m, width), std::max((slot - 3 * m.pad) / 2, 1));
  // The labels in rows under their bars, each row within its slot.
  const auto labelRows = [&](const PageBar& bar) {
    return shell::WrapRows(bar.label,
                           [&](std::string_view row) { return width(row) <= slot - m.pad; });
  };
  std::size_t rows = 1;
  for (const PageBar& bar : chart.bars) {
    rows = std::max(rows, labelRows(bar).size());
  }
  const int plotTop = legendTop + m.row + m.pad;
  shapes.baseline = area.top + area.height - static_cast<int>(rows) * m.row - m.pad;
  const int tallest = std::max(shapes.baseline - plotTop, 1);

  long long most = 0;
  for (const PageBar& bar : chart.bars) {
    most = std::max({most, bar.counts[0], bar.counts[1]});
  }
  for (std::size_t k = 0; k < chart.bars.size(); ++k) {
    const int centre = area.left + static_cast<int>(k) * slot + slot / 2;
    for (int series = 0; series < 2; ++series) {
      const long long n = std::max(chart.bars[k].counts[static_cast<std::size_t>(series)], 0LL);
      int height = 0;
      if (n > 0) {
        height = static_cast<int>((2 * n * tallest + most) / (2 * most));
        height = std::clamp(height, 1, tallest);
      }
      const int left = series == 0 ? centre - m.pad / 2 - barWidth : centre + (m.pad + 1) / 2;
      const shell::Box box = {left, shapes.baseline - height, barWidth, height};
      shapes.bars.push_back({series, n, box});
      // On the bar when it holds a row, else just above it.
      const bool onBar = height >= m.row + 2;
      const int textTop = onBar ? box.top + 1 : box.top - m.row;
      shapes.counts.push_back({CountText(n), {left, textTop, barWidth, m.row}, false, onBar});
    }
    int top = shapes.baseline + m.pad;
    for (std::string& row : labelRows(chart.bars[k])) {
      shapes.labels.push_back({std::move(row), {centre - slot / 2, top, slot, m.row}});
      top += m.row;
    }
  }
  return shapes;
}

}  // namespace roster
