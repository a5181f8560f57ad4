// Calculate, the wiping of stale results and the Print button, driven by the
// keyboard through the program's own message loop; the colours are read
// back from the window painted into a bitmap by its own paint code.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/win32/text.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/scoring.h"
#include "vorna/tests/vorna_window_fixture.h"

namespace vorna {
namespace {

using harness::FocusedId;
using harness::PressAlt;
using harness::TextOf;

constexpr COLORREF kInkBlack = RGB(0, 0, 0);
constexpr COLORREF kInkRed = RGB(255, 0, 0);
constexpr COLORREF kInkBlue = RGB(0, 0, 255);
constexpr COLORREF kInkGrey = RGB(127, 127, 127);
constexpr COLORREF kWell = RGB(255, 255, 255);
constexpr COLORREF kFace = RGB(192, 192, 192);

// The colour a text was drawn in: its pure ink is among the pixels (the
// font's smoothed edges blend it with the ground), and no other of the four
// inks is. 0xFFFFFFFF when no single ink shows.
COLORREF InkOf(const std::vector<COLORREF>& pixels) {
  COLORREF found = 0xFFFFFFFF;
  for (COLORREF ink : {kInkBlack, kInkRed, kInkBlue, kInkGrey}) {
    if (std::find(pixels.begin(), pixels.end(), ink) != pixels.end()) {
      if (found != 0xFFFFFFFF) {
        return 0xFFFFFFFF;
      }
      found = ink;
    }
  }
  return found;
}

// The figure's colour in result box `box`, or white when it is empty.
COLORREF FigureColour(const Snapshot& shot, int box) {
  const WindowLayout& l = Window().layout;
  const ResultPlace& p = l.results[static_cast<std::size_t>(box)];
  // Inside the white well, which stops one pixel short of the frame's edges.
  const std::vector<COLORREF> inks = shot.Inks(
      p.textLeft, p.textTop, l.resultLeft + l.resultWidth - 1, p.top + l.resultHeight - 1, kWell);
  return inks.empty() ? kWell : InkOf(inks);
}

COLORREF LabelColour(const Snapshot& shot, int box) {
  const WindowLayout& l = Window().layout;
  const ResultPlace& p = l.results[static_cast<std::size_t>(box)];
  // From inside the converted-score panel's edge up to the label's right end.
  const int panelLeft = l.panels[6].left + 2;
  return InkOf(
      shot.Inks(panelLeft, p.label.y, p.label.x + 1, p.label.y + l.resultHeight - 2, kFace));
}

struct Expected {
  const char* texts[kResultBoxCount];
  COLORREF colours[kResultBoxCount];  // kWell for an empty box
};

void ExpectPainted(const Snapshot& shot, const Expected& e, const std::string& name) {
  for (int box = 0; box < kResultBoxCount; ++box) {
    EXPECT_EQ(FigureColour(shot, box), e.colours[box]) << name << " box " << box;
    const bool empty = e.texts[box][0] == '\0';
    EXPECT_EQ(LabelColour(shot, box), empty ? kInkGrey : kInkBlack) << name << " box " << box;
  }
}

// The results in the state, as a repaint draws them and, given the screen,
// as the window drew them step by step.
void ExpectShown(const Expected& e, const std::string& name, const Snapshot* screen = nullptr) {
  for (int box = 0; box < kResultBoxCount; ++box) {
    EXPECT_EQ(ShownText(box), e.texts[box]) << name << " box " << box;
  }
  ExpectPainted(Snapshot(), e, name + " (repainted)");
  if (screen != nullptr) {
    ExpectPainted(*screen, e, name + " (on the screen)");
  }
}

class VornaCalculate : public VornaWindow {};

// A raw score worth exactly `points` push-up points for a man of `age`.
const char* PushupsWorth(int points, int age) {
  static std::string text;
  for (int r = 0; r < 100; ++r) {
    if (MalePushupPoints(r, age) == points) {
      text = std::to_string(r);
      return text.c_str();
    }
  }
  return "";
}

// Each colour a figure can take, painted as the model decided it; which
// figures and verdicts Calculate gives is the model's (evaluation_test.cpp).
TEST_F(VornaCalculate, ScoresTotalsAndColours) {
  const struct {
    const char* name;
    const char* entries[kEntryFieldCount];
    Expected shown;
    int verdict;  // worded on the message line, in the total's colour
  } cases[] = {
      {"one short of the maximum passes",
       {"25", "M", "74", "80", "13", "00"},
       {{"99", "100", "100", "299", ""}, {kInkBlack, kInkBlack, kInkBlack, kInkBlack, kWell}},
       kPassedMessage},
      {"scaled beyond 300",
       {"20", "M", "80", "90", "12", "00"},
       {{"100", "100", "100", "300", "331"},
        {kInkBlack, kInkBlack, kInkBlack, kInkBlack, kInkBlue}},
       kMaxedMessage},
      {"59 in one event fails",
       {"20", "M", PushupsWorth(59, 20), "90", "12", "00"},
       {{"59", "100", "100", "259", ""}, {kInkRed, kInkBlack, kInkBlack, kInkRed, kWell}},
       kFailedMessage},
  };
  for (const auto& c : cases) {
    Reopen();
    const MirroredScreen screen;
    const auto& e = c.entries;
    Enter(e[0], e[1], e[2], e[3], e[4], e[5]);
    PressAlt('c');
    ExpectShown(c.shown, c.name, &screen);
    EXPECT_EQ(Window().messageOnLine, c.verdict) << c.name;
    EXPECT_EQ(shell::ColourOf(Window().messageColour), c.shown.colours[kTotalBox]) << c.name;
    EXPECT_TRUE(PrintEnabled()) << c.name;
    // The field changed last: the seconds, or the minutes when Calculate
    // wrote them back.
    EXPECT_EQ(FocusedId(), e[4][1] == '\0' ? kRunMinutes : kRunSeconds) << c.name;
  }
}

// The texts a repaint of the whole client area draws on the message line.
std::vector<shell::DrawnText> RepaintedMessageLine() {
  std::vector<shell::DrawnText> drawn;
  shell::Observer observer;
  observer.textDrawn = [&drawn](HWND, const shell::DrawnText& text) {
    if (text.y == Window().layout.messageTop) {
      drawn.push_back(text);
    }
  };
  shell::Observe(&observer);
  RedrawWindow(shell::App().mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  harness::Pump();
  shell::Observe(nullptr);
  return drawn;
}

// The worded verdict belongs to the results: a repaint (another window
// dragged over, minimise and restore) paints it again with them, in the
// total's colour, and only an edit that takes the total down takes it too.
TEST_F(VornaCalculate, TheWordedVerdictStaysAndGoesWithTheTotal) {
  Enter("20", "M", PushupsWorth(59, 20), "53", "15", "54");
  PressAlt('c');
  ASSERT_EQ(Window().messageOnLine, kFailedMessage);
  const std::vector<shell::DrawnText> repainted = RepaintedMessageLine();
  ASSERT_EQ(repainted.size(), 1u);
  EXPECT_STREQ(repainted[0].text.c_str(), FitnessMessageText(kFailedMessage));
  EXPECT_EQ(repainted[0].colour, kInkRed);
  EXPECT_EQ(Window().messageOnLine, kFailedMessage);
  const WindowLayout& l = Window().layout;
  EXPECT_GT(Snapshot().Count(l.messageLeft, l.messageTop, l.messageLeft + 200,
                             l.messageTop + l.messageLine.height, kInkRed),
            0);

  Enter(nullptr, nullptr, "20", nullptr, nullptr, nullptr);
  EXPECT_EQ(ShownText(kTotalBox), "");
  EXPECT_EQ(Window().messageOnLine, 0);
  EXPECT_TRUE(RepaintedMessageLine().empty());
}

TEST_F(VornaCalculate, AnEditWipesWhatDependsOnTheField) {
  const Expected full{{"100", "100", "100", "300", "331"},
                      {kInkBlack, kInkBlack, kInkBlack, kInkBlack, kInkBlue}};
  const MirroredScreen screen;
  // Typing in Sit-ups takes sit-ups, total and scaled; push-ups and run stay.
  Enter("20", "M", "80", "90", "12", "00");
  PressAlt('c');
  ExpectShown(full, "full", &screen);
  Enter(nullptr, nullptr, nullptr, "1", nullptr, nullptr);
  ExpectShown({{"100", "", "100", "", ""}, {kInkBlack, kWell, kInkBlack, kWell, kWell}},
              "after sit-ups", &screen);
  EXPECT_TRUE(PrintEnabled());
  // Typing in a run field always takes the run.
  Enter(nullptr, nullptr, nullptr, nullptr, nullptr, "1");
  ExpectShown({{"100", "", "", "", ""}, {kInkBlack, kWell, kWell, kWell, kWell}}, "after run",
              &screen);
  EXPECT_TRUE(PrintEnabled());
  // Emptying the only scored field leaves nothing to print.
  harness::FocusField(kPushups);
  harness::Press(VK_BACK);
  harness::Press(VK_BACK);
  EXPECT_EQ(ShownText(kPushupBox), "");
  EXPECT_FALSE(PrintEnabled());
  EXPECT_FALSE(Window().model.state.resultsShown);
}

TEST_F(VornaCalculate, ARepaintKeepsTheResultsAndDropsTheMessage) {
  Enter("20", "M", "42", "53", "14", "75");
  PressAlt('c');
  ASSERT_EQ(Window().messageOnLine, kSecondsOutOfRange);
  {
    // The message is on the line as the window stands.
    const Snapshot shot;
    const WindowLayout& l = Window().layout;
    EXPECT_GT(shot.Count(l.messageLeft, l.messageTop, l.messageLeft + 200,
                         l.messageTop + l.messageLine.height, kInkBlack),
              0);
  }
  RedrawWindow(shell::App().mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  harness::Pump();
  EXPECT_EQ(Window().messageOnLine, 0);
  const Snapshot shot;
  const WindowLayout& l = Window().layout;
  EXPECT_EQ(shot.Count(l.messageLeft, l.messageTop, l.messageLeft + 200,
                       l.messageTop + l.messageLine.height, kInkBlack),
            0);
  EXPECT_EQ(FigureColour(shot, kPushupBox), kInkBlack);
  EXPECT_EQ(ShownText(kPushupBox), "60");
}

TEST_F(VornaCalculate, TheButtonCalculatesLikeAltC) {
  Enter("25", "M", "75", nullptr, nullptr, nullptr);
  SendMessageA(Control(kCalculateCommand), BM_CLICK, 0, 0);
  harness::Pump();
  EXPECT_EQ(ShownText(kPushupBox), "100");
  EXPECT_EQ(FocusedId(), kPushups);
}

}  // namespace
}  // namespace vorna
