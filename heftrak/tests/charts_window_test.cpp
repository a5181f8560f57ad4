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
  ChartList list = ChartList::MaleScreening;
  std::vector<std::string> rows;
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
  view.list = placement.list;
  HWND list = GetDlgItem(dialog, placement.id);
  if (list == nullptr) {
    return view;
  }
  const int rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    view.rows.push_back(Row(list, row));
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

// Every list holds the rows of its table for the chart age (chart_rows_test.cpp
// checks what they are), nothing selected, and stands where the layout puts
// it, as wide as its sample in the dialog's font plus a scroll bar.
void ExpectLists(const DialogView& view, int chartAge) {
  ASSERT_FALSE(view.lists.empty());
  for (const ListView& list : view.lists) {
    SCOPED_TRACE(testing::Message() << "list " << list.id);
    EXPECT_EQ(list.rows, ChartRows(list.list, chartAge));
    EXPECT_EQ(list.selected, LB_ERR);
    EXPECT_EQ(list.place.right - list.place.left, list.expectedWidth);
    EXPECT_EQ(list.place.left, list.expectedLeft);
    EXPECT_EQ(list.place.top, list.expectedTop);
  }
}

// The age heading painted: the first text that begins "Age:".
std::string PaintedHeading(const DialogView& view) {
  for (const std::string& text : view.texts) {
    if (text.rfind("Age:", 0) == 0) {
      return text;
    }
  }
  return "<not painted>";
}

// Each dialog with an age and without, closed by Enter and by Exit: Escape
// and a stray command leave it open, Exit has the focus and stands where
// the layout puts it, the heading names the chart age, and nothing runs
// off the dialog.
TEST_F(HeftrakCharts, EachChartListsItsTablesForTheChartAge) {
  const struct {
    ChartSex sex;
    int chartAge;
    Closing closing;
    const char* caption;
  } kCases[] = {
      {ChartSex::Male, kChartAgeNotEntered, Closing::Enter, "Male Charts"},
      {ChartSex::Male, 40, Closing::ExitButton, "Male Charts"},
      {ChartSex::Female, 25, Closing::ExitButton, "Female Charts"},
      {ChartSex::Female, 70, Closing::Enter, "Female Charts"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.caption << ", chart age " << c.chartAge);
    const DialogView view = OpenChart(c.sex, c.chartAge, c.closing);
    EXPECT_EQ(view.caption, c.caption);
    ExpectLists(view, c.chartAge);
    EXPECT_TRUE(view.openAfterEscape);
    EXPECT_TRUE(view.openAfterOtherCommand);
    EXPECT_EQ(view.focusedId, 1);
    const ChartButtonPlacement exit = ChartLayout(c.sex, shell::App().grid).exitButton;
    EXPECT_EQ(view.exitPlace.left, exit.left);
    EXPECT_EQ(view.exitPlace.top, exit.top);
    EXPECT_EQ(view.exitPlace.right - view.exitPlace.left, exit.width);
    EXPECT_EQ(view.exitPlace.bottom - view.exitPlace.top, exit.height);
    EXPECT_EQ(PaintedHeading(view), AgeHeading(c.chartAge));
    ExpectAllInside(view);
    EXPECT_TRUE(IsWindowEnabled(shell::App().mainWindow));
  }
}

}  // namespace
}  // namespace heftrak
