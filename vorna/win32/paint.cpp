#include "vorna/win32/paint.h"

#include "shell/core/drawing_geometry.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/gdi.h"
#include "shell/win32/male_only.h"
#include "shell/win32/text.h"
#include "vorna/core/chart.h"
#include "vorna/core/messages.h"

namespace vorna {

namespace {

void LabelOn(HDC dc, const Label& label, Rgb colour = kBlack) {
  shell::TextAt(dc, label, shell::ColourOf(colour));
}

const ResultPlace& PlaceOf(const WindowLayout& layout, int box) {
  return layout.results[static_cast<std::size_t>(box)];
}

// The figure and its colour a result box shows, from the state.
struct Shown {
  const char* text;
  Rgb colour;
};

Shown ShownIn(const TestState& state, int box) {
  switch (box) {
    case kTotalBox:
      return {state.totalText.c_str(), state.totalColour};
    case kScaledBox:
      return {state.scaledText.c_str(), kBlue};
    default: {
      const EventScore& score = state.events[static_cast<std::size_t>(box)];
      return {score.pointsText.c_str(), score.colour};
    }
  }
}

void ResultLabelAndFigureOn(HDC dc, const WindowLayout& layout, const TestState& state, int box) {
  const Shown shown = ShownIn(state, box);
  if (shown.text[0] == '\0') {
    DrawResultLabelOn(dc, layout, box, kGrey);
    return;
  }
  DrawResultLabelOn(dc, layout, box, kBlack);
  const ResultPlace& place = PlaceOf(layout, box);
  shell::TextAt(dc, place.textLeft, place.textTop, shown.text, shell::TextAlign::Left,
                shell::ColourOf(shown.colour));
}

}  // namespace

void DrawMessageLineOn(HDC dc, const WindowLayout& layout) {
  shell::DrawPanelOn(dc, layout.messageLine);
}

void DrawMessageOn(HDC dc, const WindowLayout& layout, int message, Rgb colour) {
  shell::TextAt(dc, layout.messageLeft, layout.messageTop, FitnessMessageText(message),
                shell::TextAlign::Left, shell::ColourOf(colour));
}

void DrawResultLabelOn(HDC dc, const WindowLayout& layout, int box, Rgb colour) {
  const Label& label = PlaceOf(layout, box).label;
  // The label changes between black and grey in place: cover the old one
  // with the panel's face so no edge of it shows through.
  const int width = shell::TextWidth(dc, label.text);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  shell::FillRectsOn(dc, {{label.x - width - 1, label.y, label.x + 2,
                           label.y + metrics.tmHeight + 1, shell::Brush::LightGrey}});
  LabelOn(dc, label, colour);
}

void DrawResultOn(HDC dc, const WindowLayout& layout, int box, const char* text, Rgb colour) {
  const ResultPlace& place = PlaceOf(layout, box);
  shell::DrawFieldFrameOn(
      dc, {layout.resultLeft, place.top, layout.resultHeight, layout.resultWidth, 0, 1});
  shell::TextAt(dc, place.textLeft, place.textTop, text, shell::TextAlign::Left,
                shell::ColourOf(colour));
}

void WipeResultOn(HDC dc, const WindowLayout& layout, int box) {
  DrawResultOn(dc, layout, box, "", kBlack);
  DrawResultLabelOn(dc, layout, box, kGrey);
}

void DrawChartTitleOn(HDC dc, const WindowLayout& layout, const char* title) {
  // A title over another one would mix the two: the area is covered first.
  shell::FillRectsOn(dc, {layout.chartTitleRect});
  shell::TextAt(dc, layout.chartCentre, layout.chartTitleTop, title, shell::TextAlign::Centre);
}

void DrawChartHeaderOn(HDC dc, const WindowLayout& layout, const char* header) {
  shell::FillRectsOn(dc, {layout.chartHeaderRect});
  shell::TextAt(dc, layout.chartCentre, layout.chartHeaderTop, header, shell::TextAlign::Centre);
}

void WipeChartTitleOn(HDC dc, const WindowLayout& layout) {
  shell::FillRectsOn(dc, {layout.chartTitleRect, layout.chartHeaderRect});
}

void PaintWindowOn(HDC dc, const FitnessTestWindow& window, int message, Rgb colour) {
  const WindowLayout& l = window.layout;
  const TestState& state = window.model.state;
  for (const Stack& panel : l.panels) {
    shell::DrawPanelOn(dc, panel);
  }
  for (const Stack& frames : l.fieldFrames) {
    shell::DrawFieldFrameOn(dc, frames);
  }
  // The field labels, the run's ":" and "Raw Score"; the other two headings
  // follow with their panels' contents.
  for (std::size_t i = 0; i <= static_cast<std::size_t>(kRawScoreHeading); ++i) {
    LabelOn(dc, l.labels[i]);
  }
  shell::DrawMaleOnlyOn(dc, state.maleOnly);

  LabelOn(dc, l.labels[kConvertedHeading]);
  shell::DrawFieldFrameOn(dc, l.eventFrames);
  for (int event = 0; event < kEventCount; ++event) {
    ResultLabelAndFigureOn(dc, l, state, event);
  }

  LabelOn(dc, l.labels[kScoreCardHeading]);
  const ChartKind chart = ChartKindOf(window.model.fields.focusTarget());
  if (state.accepted && chart != ChartKind::None) {
    DrawChartTitleOn(dc, l, ChartTitle(state.age, state.sex).c_str());
    DrawChartHeaderOn(dc, l, ChartHeader(chart));
  } else {
    WipeChartTitleOn(dc, l);
  }

  shell::DrawFieldFrameOn(dc, l.totalFrames);
  ResultLabelAndFigureOn(dc, l, state, kTotalBox);
  ResultLabelAndFigureOn(dc, l, state, kScaledBox);

  if (message != 0) {
    DrawMessageOn(dc, l, message, colour);
  }
}

}  // namespace vorna
