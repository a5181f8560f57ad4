// HEFTRAK's chart dialogs under Wine: the lists as the user sees them, the
// headings painted for the chart age, and which keys close the dialogs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "heftrak/core/chart_rows.h"
#include "heftrak/win32/charts.h"
#include "heftrak/win32/program.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/observer.h"

namespace heftrak {
namespace {

struct ListView {
  int id = 0;
  int rows = 0;
  std::string first;
  std::string last;
  int selected = 0;
  RECT place{};
  int expectedWidth = 0;  // its sample's width in the dialog plus a scroll bar
  int expectedLeft = 0;
  int expectedTop = 0;
};

struct DialogView {
  std::string caption;
  std::vector<ListView> lists;
  int focusedId = -1;
  RECT exitPlace{};
  bool openAfterEscape = false;
  bool openAfterOtherCommand = false;
  std::vector<shell::Stack> panels;  // painted, in order
  std::vector<std::string> texts;    // painted, in order
  RECT client{};
  std::vector<RECT> children;
};

std::string Row(HWND list, int index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) {
    return "<none>";
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

int TextWidthIn(HWND window, const char* text) {
  HDC dc = GetDC(window);
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  ReleaseDC(window, dc);
  return size.cx;
}

ListView ReadList(HWND dialog, const ChartListPlacement& placement) {
  ListView view;
  view.id = placement.id;
  HWND list = GetDlgItem(dialog, placement.id);
  if (list == nullptr) {
    return view;
  }
  view.rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  if (view.rows > 0) {
    view.first = Row(list, 0);
    view.last = Row(list, view.rows - 1);
  }
  view.selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
  view.place = harness::PlaceOf(list);
  view.expectedWidth = TextWidthIn(dialog, placement.sample) + GetSystemMetrics(SM_CXVSCROLL);
  view.expectedLeft = placement.left;
  view.expectedTop = placement.top;
  return view;
}

enum class Closing { Enter, ExitButton };

// Opens a chart dialog for `chartAge`, reads it, presses Escape and sends it
// a stray command (it must stay open), then closes it the given way (after
// which it must be gone).
DialogView OpenChart(ChartSex sex, int chartAge, Closing closing) {
  DialogView view;
  shell::Observer observer;
  observer.panelDrawn = [&view](HWND, const shell::Stack& panel) { view.panels.push_back(panel); };
  observer.textDrawn = [&view](HWND, const shell::DrawnText& t) { view.texts.push_back(t.text); };
  shell::Observe(&observer);
  int step = 0;
  harness::WithModalDialog(
      [sex, chartAge] { ShowCharts(shell::App().mainWindow, sex, chartAge); },
      [&](HWND dialog) {
        switch (step++) {
          case 0: {
            char caption[64] = {};
            GetWindowTextA(dialog, caption, sizeof caption);
            view.caption = caption;
            for (const ChartListPlacement& p : ChartLayout(sex, shell::App().grid).lists) {
              view.lists.push_back(ReadList(dialog, p));
            }
            view.focusedId = harness::FocusedId();
            view.exitPlace = harness::PlaceOf(GetDlgItem(dialog, 1));
            GetClientRect(dialog, &view.client);
            for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
              view.children.push_back(harness::PlaceOf(child));
            }
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
            return false;
          }
          case 1:
            view.openAfterEscape = IsWindowVisible(dialog) != FALSE;
            // Exit's id with a notification code above it is not "exactly 1".
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(1, 1), 0);
            return false;
          case 2:
            view.openAfterOtherCommand = IsWindowVisible(dialog) != FALSE;
            if (closing == Closing::Enter) {
              PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
            } else {
              PostMessageA(GetDlgItem(dialog, 1), BM_CLICK, 0, 0);
            }
            return false;
          default:
            // Still open after Enter or Exit: close it so the run goes on.
            EndDialog(dialog, 0);
            return true;
        }
      });
  shell::Observe(nullptr);
  EXPECT_GE(step, 3) << "the dialog closed before Enter or Exit";
  EXPECT_LE(step, 3) << "Enter or Exit left the dialog open";
  return view;
}

using HeftrakCharts = harness::ProgramSuite<&Program>;

// Every list, button and panel lies inside the client area, whatever font
// stood in for the template's.
void ExpectAllInside(const DialogView& view) {
  EXPECT_GE(view.children.size(), 5u);
  for (const RECT& child : view.children) {
    EXPECT_GE(child.left, 0);
    EXPECT_GE(child.top, 0);
    EXPECT_LE(child.right, view.client.right) << "a control runs off the right";
    EXPECT_LE(child.bottom, view.client.bottom) << "a control runs off the bottom";
  }
  EXPECT_FALSE(view.panels.empty());
  for (const shell::Stack& panel : view.panels) {
    EXPECT_LE(panel.left + panel.width + 2, view.client.right) << panel.left;
    EXPECT_LE(panel.top + panel.height + 2, view.client.bottom) << panel.top;
  }
}

struct Expected {
  int rows;
  const char* first;
  const char* last;
};

void ExpectLists(const DialogView& view, const std::vector<Expected>& expected) {
  ASSERT_EQ(view.lists.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ListView& list = view.lists[i];
    SCOPED_TRACE(testing::Message() << "list " << list.id);
    EXPECT_EQ(list.rows, expected[i].rows);
    if (expected[i].rows > 0) {
      EXPECT_EQ(list.first, expected[i].first);
      EXPECT_EQ(list.last, expected[i].last);
    }
    EXPECT_EQ(list.selected, LB_ERR);
    EXPECT_EQ(list.place.right - list.place.left, list.expectedWidth);
    EXPECT_EQ(list.place.left, list.expectedLeft);
    EXPECT_EQ(list.place.top, list.expectedTop);
  }
}

struct AgeCase {
  int chartAge;
  Expected screening;
  const char* heading;
};

// The age heading painted: the first text that begins "Age:".
std::string PaintedHeading(const DialogView& view) {
  for (const std::string& text : view.texts) {
    if (text.rfind("Age:", 0) == 0) {
      return text;
    }
  }
  return "<not painted>";
}

TEST_F(HeftrakCharts, MaleChartsForEachChartAge) {
  const AgeCase kCases[] = {
      {-1, {0, "", ""}, "Age: Not Entered"},
      {17, {21, "60 - 132", "80 - 234"}, "Age: 17 - 20"},
      {25, {21, "60 - 136", "80 - 240"}, "Age: 21 - 27"},
      {40, {21, "60 - 141", "80 - 250"}, "Age: >39"},
      {70, {21, "60 - 141", "80 - 250"}, "Age: >39"},
  };
  for (const AgeCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "chart age " << c.chartAge);
    const DialogView view = OpenChart(ChartSex::Male, c.chartAge,
                                      c.chartAge < 30 ? Closing::Enter : Closing::ExitButton);
    EXPECT_EQ(view.caption, "Male Charts");
    ExpectLists(view, {c.screening,
                       {4, "17-20 - 20.0", ">39   - 26.0"},
                       {144, "5.00  - 53.44 ", "40.75 - 123.11"},
                       {100, "60.00 - 75.23", "84.75 - 85.53"}});
    EXPECT_TRUE(view.openAfterEscape);
    EXPECT_TRUE(view.openAfterOtherCommand);
    EXPECT_EQ(view.focusedId, 1);
    // Grid 8 x 16: Exit at (51X + 3QX, 10Y + 2QY), 12X by 7QY.
    EXPECT_EQ(view.exitPlace.left, 414);
    EXPECT_EQ(view.exitPlace.top, 168);
    EXPECT_EQ(view.exitPlace.right - view.exitPlace.left, 96);
    EXPECT_EQ(view.exitPlace.bottom - view.exitPlace.top, 28);
    EXPECT_EQ(PaintedHeading(view), c.heading);
    ExpectAllInside(view);
    EXPECT_TRUE(IsWindowEnabled(shell::App().mainWindow));
  }
}

TEST_F(HeftrakCharts, FemaleChartsForEachChartAge) {
  const AgeCase kCases[] = {
      {-1, {0, "", ""}, "Age: Not Entered"},
      {17, {23, "58 - 109", "80 - 208"}, "Age: 17 - 20"},
      {25, {23, "58 - 112", "80 - 214"}, "Age: 21 - 27"},
      {40, {23, "58 - 119", "80 - 227"}, "Age: >39"},
      {70, {23, "58 - 119", "80 - 227"}, "Age: >39"},
  };
  for (const AgeCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "chart age " << c.chartAge);
    const DialogView view = OpenChart(ChartSex::Female, c.chartAge,
                                      c.chartAge < 30 ? Closing::ExitButton : Closing::Enter);
    EXPECT_EQ(view.caption, "Female Charts");
    ExpectLists(view, {c.screening,
                       {4, "17-20 - 30.0", ">39   - 36.0"},
                       {190, "90  - 134.08", "279 - 185.86"},
                       {96, "30.00 - 13.19", "53.75 - 23.63"},
                       {120, "55.00 - 71.97 ", "84.75 - 110.90"},
                       {44, "5.00  - 19.98", "15.75 - 62.95"},
                       {44, "5.00  - 6.77  ", "15.75 - 21.33 "},
                       {44, "5.00  - 2.54 ", "15.75 - 8.01 "}});
    EXPECT_TRUE(view.openAfterEscape);
    EXPECT_TRUE(view.openAfterOtherCommand);
    EXPECT_EQ(PaintedHeading(view), c.heading);
    ExpectAllInside(view);
  }
}

}  // namespace
}  // namespace heftrak
