#include "roster/win32/summary_drawing.h"

#include "shell/win32/gdi.h"

namespace roster {

namespace {

COLORREF Colour(const shell::Rgb& rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

RECT RectOf(const shell::Box& box) {
  return {box.left, box.top, box.left + box.width, box.top + box.height};
}

void DrawChartText(HDC dc, const ChartText& text, const shell::Rgb& colour) {
  RECT box = RectOf(text.box);
  SetTextColor(dc, Colour(colour));
  DrawTextA(dc, text.text.c_str(), static_cast<int>(text.text.size()), &box,
            (text.left ? DT_LEFT : DT_CENTER) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void Fill(HDC dc, const shell::Box& box, const shell::Rgb& colour) {
  const shell::OwnedObject<HBRUSH> brush(CreateSolidBrush(Colour(colour)));
  const RECT rect = RectOf(box);
  FillRect(dc, &rect, brush.get());
}

}  // namespace

TextWidth WidthOn(HDC dc) {
  return [dc](std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
}

int RowHeightOn(HDC dc) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return metrics.tmHeight;
}

void DrawChart(HDC dc, const ChartShapes& shapes) {
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = GetTextColor(dc);
  DrawChartText(dc, shapes.caption, shell::kBlack);
  for (std::size_t series = 0; series < shapes.keys.size(); ++series) {
    Fill(dc, shapes.keys[series], kSeriesColours[series]);
    DrawChartText(dc, shapes.series[series], shell::kBlack);
  }
  for (const ChartBar& bar : shapes.bars) {
    if (bar.box.height > 0) {
      Fill(dc, bar.box, kSeriesColours[static_cast<std::size_t>(bar.series)]);
    }
  }
  for (const ChartText& count : shapes.counts) {
    DrawChartText(dc, count, count.onBar ? kCountOnBarColour : shell::kBlack);
  }
  for (const ChartText& label : shapes.labels) {
    DrawChartText(dc, label, shell::kBlack);
  }
  // The baseline the bars stand on.
  const shell::Selection pen(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, shapes.left, shapes.baseline, nullptr);
  LineTo(dc, shapes.right, shapes.baseline);
  SetTextColor(dc, previousColour);
  SetBkMode(dc, previousMode);
}

}  // namespace roster
