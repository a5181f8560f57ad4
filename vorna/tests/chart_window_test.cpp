// The scoring chart in the real list box, with its title and header read
// back from what the window drew.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

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

std::vector<std::string> Rows() {
  std::vector<std::string> rows;
  for (int i = 0; i < RowCount(); ++i) {
    rows.push_back(Row(i));
  }
  return rows;
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

// The list holds the chart's rows (chart_test.cpp checks what they are), and
// the title and header are painted, on the screen and by a repaint.
TEST_F(VornaChart, AnEventFieldListsItsColumnForTheAgeAndSex) {
  const struct {
    const char* age;
    const char* sex;
    int field;
  } cases[] = {
      {"20", "M", kPushups},
      {"45", "F", kSitups},
      {"65", "F", kRunSeconds},
  };
  for (const auto& c : cases) {
    Reopen();
    const MirroredScreen screen;
    Enter(c.age, c.sex, nullptr, nullptr, nullptr, nullptr);
    harness::FocusField(c.field);
    const int age = std::atoi(c.age);
    const std::string title = ChartTitle(age, c.sex[0]);
    const char* header = ChartHeader(ChartKindOf(c.field));
    EXPECT_EQ(Rows(), ChartRows(ChartKindOf(c.field), age, c.sex[0])) << title;
    EXPECT_TRUE(ShowsTitle(screen, title.c_str())) << title;
    EXPECT_TRUE(ShowsHeader(screen, header)) << title;
    const Snapshot repainted;
    EXPECT_TRUE(ShowsTitle(repainted, title.c_str())) << title;
    EXPECT_TRUE(ShowsHeader(repainted, header)) << title;
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
  EXPECT_EQ(Rows(), ChartRows(ChartKind::Pushups, 20, 'M'));
}

}  // namespace
}  // namespace vorna
