// The scoring chart in the real list box, with its title and header read
// back from what the window drew.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/win32/drawing.h"
#include "vorna/core/chart.h"
#include "vorna/tests/vorna_window_fixture.h"
#include "vorna/win32/paint.h"

namespace vorna {
namespace {

class VornaChart : public VornaWindow {};

HWND ChartList() {
  return Control(kChartList);
}

int RowCount() {
  return static_cast<int>(SendMessageA(ChartList(), LB_GETCOUNT, 0, 0));
}

std::string Row(int index) {
  char text[64] = {};
  if (SendMessageA(ChartList(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) <
      static_cast<LRESULT>(sizeof text)) {
    SendMessageA(ChartList(), LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text));
  }
  return text;
}

// Whether the title area (or the header's) of `shot` shows exactly `text`
// as the window draws it; "" for an area left empty.
bool Shows(const Snapshot& shot, const shell::FilledRect& area, int top, const char* text,
           bool header) {
  const Snapshot reference;  // a fresh repaint, then the area drawn over
  const WindowLayout& l = Window().layout;
  shell::FillRectsOn(reference.dc(), {l.chartHeaderRect, l.chartTitleRect});
  if (text[0] != '\0') {
    if (header) {
      DrawChartHeaderOn(reference.dc(), l, text);
    } else {
      DrawChartTitleOn(reference.dc(), l, text);
    }
  }
  for (int y = top; y < top + shell::App().grid.Y; ++y) {
    for (int x = area.left; x < area.right - 1; ++x) {
      if (shot.At(x, y) != reference.At(x, y)) {
        return false;
      }
    }
  }
  return true;
}

bool ShowsTitle(const Snapshot& shot, const char* title) {
  const WindowLayout& l = Window().layout;
  return Shows(shot, l.chartTitleRect, l.chartTitleTop, title, false);
}

bool ShowsHeader(const Snapshot& shot, const char* header) {
  const WindowLayout& l = Window().layout;
  return Shows(shot, l.chartHeaderRect, l.chartHeaderTop, header, true);
}

TEST_F(VornaChart, AnEventFieldListsItsColumnForTheAgeAndSex) {
  const struct {
    const char* age;
    const char* sex;
    int field;
    int rows;
    const char* first;
    const char* last;
    const char* title;
    const char* header;
  } cases[] = {
      {"20", "M", kPushups, 72, "   71 - 100", "    0 -   9", "17-21, Male", "Pushups-Points"},
      {"45", "F", kSitups, 73, "   72 - 100", "    0 -  49", "42-46, Female", "Situps-Points"},
      {"20", "M", kRunMinutes, 74, "13:00 - 100", "20:18 -   0", "17-21, Male", "Time-Points"},
      {"65", "F", kRunSeconds, 66, "20:00 - 100", "26:30 -  48", "62+, Female", "Time-Points"},
      {"40", "F", kRunMinutes, 96, "17:00 - 100", "26:30 -  33", "37-41, Female", "Time-Points"},
  };
  for (const auto& c : cases) {
    Reopen();
    const MirroredScreen screen;
    Enter(c.age, c.sex, nullptr, nullptr, nullptr, nullptr);
    harness::FocusField(c.field);
    ASSERT_EQ(RowCount(), c.rows) << c.title;
    EXPECT_EQ(Row(0), c.first) << c.title;
    EXPECT_EQ(Row(c.rows - 1), c.last) << c.title;
    EXPECT_TRUE(ShowsTitle(screen, c.title)) << c.title;
    EXPECT_TRUE(ShowsHeader(screen, c.header)) << c.title;
    // A repaint draws the same.
    const Snapshot repainted;
    EXPECT_TRUE(ShowsTitle(repainted, c.title)) << c.title;
    EXPECT_TRUE(ShowsHeader(repainted, c.header)) << c.title;
  }
}

TEST_F(VornaChart, MovingBetweenEventsReplacesRowsAndHeader) {
  const MirroredScreen screen;
  Enter("20", "M", nullptr, nullptr, nullptr, nullptr);
  harness::FocusField(kPushups);
  ASSERT_EQ(RowCount(), 72);
  harness::Press(VK_DOWN);  // into Sit-ups
  const std::size_t situps = ChartRows(ChartKind::Situps, 20, 'M').size();
  EXPECT_EQ(RowCount(), static_cast<int>(situps));
  EXPECT_EQ(Row(0), ChartRows(ChartKind::Situps, 20, 'M').front());
  EXPECT_TRUE(ShowsHeader(screen, "Situps-Points"));
  EXPECT_TRUE(ShowsTitle(screen, "17-21, Male"));
  // Between the two run fields the chart is the same run chart.
  harness::FocusField(kRunMinutes);
  harness::FocusField(kRunSeconds);
  EXPECT_EQ(RowCount(), 74);
  EXPECT_TRUE(ShowsHeader(screen, "Time-Points"));
}

TEST_F(VornaChart, AgeOrSexEmptiesTheChartAndARepaintAgrees) {
  for (int field : {kAge, kSex}) {
    Reopen();
    const MirroredScreen screen;
    Enter("30", "F", nullptr, nullptr, nullptr, nullptr);
    harness::FocusField(kSitups);
    ASSERT_GT(RowCount(), 0);
    ASSERT_TRUE(ShowsTitle(screen, "27-31, Female"));
    harness::FocusField(field);
    EXPECT_EQ(RowCount(), 0) << field;
    EXPECT_TRUE(ShowsTitle(screen, "")) << field;
    EXPECT_TRUE(ShowsHeader(screen, "")) << field;
    const Snapshot repainted;
    EXPECT_TRUE(ShowsTitle(repainted, "")) << field;
  }
}

TEST_F(VornaChart, PageKeysInAFieldScrollTheList) {
  Enter("40", "F", nullptr, nullptr, nullptr, nullptr);
  harness::FocusField(kRunMinutes);
  ASSERT_EQ(RowCount(), 96);
  const auto top = [] { return SendMessageA(ChartList(), LB_GETTOPINDEX, 0, 0); };
  EXPECT_EQ(top(), 0);
  harness::Press(VK_NEXT);
  const LRESULT paged = top();
  EXPECT_GT(paged, 0);
  harness::Press(VK_NEXT);
  EXPECT_GT(top(), paged);
  harness::Press(VK_PRIOR);
  harness::Press(VK_PRIOR);
  EXPECT_EQ(top(), 0);
  EXPECT_EQ(harness::FocusedId(), kRunMinutes);  // the field keeps the caret
}

TEST_F(VornaChart, RowsSurviveARepaint) {
  Enter("20", "M", nullptr, nullptr, nullptr, nullptr);
  harness::FocusField(kPushups);
  RedrawWindow(shell::App().mainWindow, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  harness::Pump();
  EXPECT_EQ(RowCount(), 72);
  EXPECT_EQ(Row(0), "   71 - 100");
}

}  // namespace
}  // namespace vorna
