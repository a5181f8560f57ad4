// VORNA's real window under Wine: start-up, its six fields and its controls,
// typing through the program's own message loop.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/tests/win32_harness.h"
#include "vorna/core/fields.h"
#include "vorna/core/layout.h"
#include "vorna/tests/vorna_window_fixture.h"

namespace vorna {
namespace {

using harness::FocusedId;
using harness::Press;
using harness::TextOf;
using harness::Type;

TEST_F(VornaWindow, WindowAndFieldsStandOnTheGrid) {
  const shell::LayoutGrid& g = shell::App().grid;
  RECT rect;
  GetWindowRect(shell::App().mainWindow, &rect);
  EXPECT_EQ(rect.right - rect.left, 55 * g.X + g.QX);
  EXPECT_EQ(rect.bottom - rect.top, 21 * g.Y);
  char caption[64];
  GetWindowTextA(shell::App().mainWindow, caption, sizeof caption);
  EXPECT_STREQ(caption, "VORNA Calculator");
  EXPECT_EQ(GetClassLongA(shell::App().mainWindow, GCL_CBWNDEXTRA), 1);
  for (const shell::FieldPlacement& p : FieldPlacements(g)) {
    const RECT r = harness::PlaceOf(Field(p.id));
    EXPECT_EQ(r.left, p.left) << p.id;
    EXPECT_EQ(r.top, p.top) << p.id;
    EXPECT_EQ(r.right - r.left, p.width) << p.id;
  }
  for (int empty = kEntryFieldCount; empty < 16; ++empty) {
    EXPECT_EQ(Field(empty), nullptr);
  }
}

TEST_F(VornaWindow, TypingFiltersAndTheRunMinutesAdvance) {
  Type("f");
  EXPECT_EQ(TextOf(Field(kSex)), "F");
  harness::FocusField(kRunMinutes);
  Type("1x3");
  EXPECT_EQ(TextOf(Field(kRunMinutes)), "13");
  EXPECT_EQ(FocusedId(), kRunSeconds);
  Type("05");
  EXPECT_EQ(TextOf(Field(kRunSeconds)), "05");
  EXPECT_EQ(FocusedId(), kRunSeconds);  // seconds never advance
}

// Shift+Insert and Ctrl+V paste what the field would take typed, and nothing
// else: a pasted "ab" in the run minutes would otherwise score as a 0:00 run,
// and a pasted "1234" push-ups as 123. A whole run time pasted into the
// minutes fills both run fields.
TEST_F(VornaWindow, PastingPassesTheTypingFilter) {
  struct PasteCase {
    int field;
    const char* clipboard;
    bool ctrlV;
    const char* shown;
    const char* nextShown;  // of the field after it; nullptr: there is none
  };
  const PasteCase cases[] = {
      {kRunMinutes, "ab", false, "", ""},        {kRunMinutes, "13\r\n", true, "13", ""},
      {kPushups, "1234", true, "", ""},          {kSex, "m", false, "M", ""},
      {kRunMinutes, "9:05", true, "9", "05"},    {kRunMinutes, "1330", false, "13", "30"},
      {kRunSeconds, "13:30", true, "", nullptr},
  };
  for (const PasteCase& c : cases) {
    Reopen();
    harness::PutOnClipboard(c.clipboard);
    harness::FocusField(c.field);
    if (c.ctrlV) {
      Type("\x16");  // what the keyboard sends for Ctrl+V
    } else {
      Press(VK_INSERT, true);
    }
    EXPECT_EQ(TextOf(Field(c.field)), c.shown) << c.field << " '" << c.clipboard << "'";
    if (c.nextShown != nullptr) {
      EXPECT_EQ(TextOf(Field(c.field + 1)), c.nextShown) << c.field << " '" << c.clipboard << "'";
    }
    EXPECT_EQ(harness::ClipboardText(), c.clipboard);  // a paste leaves the clipboard as it was
  }
}

// 12:30 entered, 15:54 pasted into the minutes: Ctrl+Z in either run field
// shows 15:54 or 12:30, never 12:54 or 15:30, a time nobody entered.
TEST_F(VornaWindow, UndoAfterARunTimePastedNeverMixesTheParts) {
  for (int undoIn : {kRunMinutes, kRunSeconds}) {
    Reopen();
    harness::FocusField(kRunMinutes);
    Type("1230");
    harness::PutOnClipboard("15:54");
    harness::SelectField(kRunMinutes);
    Type("\x16");
    ASSERT_EQ(TextOf(Field(kRunMinutes)) + ":" + TextOf(Field(kRunSeconds)), "15:54");
    harness::FocusField(undoIn);
    Type("\x1a");  // Ctrl+Z
    const std::string shown = TextOf(Field(kRunMinutes)) + ":" + TextOf(Field(kRunSeconds));
    EXPECT_TRUE(shown == "15:54" || shown == "12:30") << undoIn << ": " << shown;
  }
}

// A field takes no more than the program reads of it: what it shows is what
// is scored.
TEST_F(VornaWindow, TypingStopsWhereTheFieldIsFull) {
  const struct {
    int field;
    const char* typed;
    const char* shown;
  } cases[] = {
      {kAge, "170", "17"},
      {kSex, "mf", "M"},
      {kPushups, "0050", "005"},
  };
  for (const auto& c : cases) {
    Reopen();
    harness::FocusField(c.field);
    Type(c.typed);
    EXPECT_EQ(TextOf(Field(c.field)), c.shown) << c.typed;
  }
}

// Clear leaves no field scrolled: the next soldier's figures show whole.
TEST_F(VornaWindow, ClearLeavesNothingScrolled) {
  const shell::FieldTable& fields = shell::App().fields;
  for (int id = kAge; id < kEntryFieldCount; ++id) {
    // Typed straight into the edit control, past its length, as nothing the
    // clerk types can any more.
    HWND field = Field(id);
    SendMessageA(field, EM_LIMITTEXT, 0, 0);
    harness::FocusField(id);
    for (const char* c = id == kSex ? "MFMFMFMFMFMFMF" : "1234567890123456"; *c != '\0'; ++c) {
      CallWindowProcA(fields.procs[static_cast<std::size_t>(id)], field, WM_CHAR,
                      static_cast<WPARAM>(*c), 1);
    }
    SendMessageA(field, EM_LIMITTEXT, static_cast<WPARAM>(FieldChars(id)), 0);
    ASSERT_LT(static_cast<short>(LOWORD(SendMessageA(field, EM_POSFROMCHAR, 0, 0))), 0) << id;
  }
  harness::FocusField(kAge);
  harness::PressAlt('l');
  const char* typed[kEntryFieldCount] = {"25", "F", "50", "60", "13", "30"};
  for (int id = kAge; id < kEntryFieldCount; ++id) {
    harness::FocusField(id);
    Type(typed[id]);
    ASSERT_EQ(TextOf(Field(id)), typed[id]) << id;
    // The first character stands at the field's left edge, in sight.
    const LRESULT first = SendMessageA(Field(id), EM_POSFROMCHAR, 0, 0);
    EXPECT_GE(static_cast<short>(LOWORD(first)), 0) << id;
    EXPECT_LE(static_cast<short>(LOWORD(first)), 2) << id;
  }
}

TEST_F(VornaWindow, KeysMoveByTheFieldRules) {
  const harness::KeyMove moves[] = {
      {"Tab in the run seconds stays", kRunSeconds, VK_TAB, false, kRunSeconds},
      {"Shift+Tab in Age stays", kAge, VK_TAB, true, kAge},
      {"Tab walks on", kPushups, VK_TAB, false, kSitups},
      {"Enter from Sit-ups to the run", kSitups, VK_RETURN, false, kRunMinutes},
      {"Enter in the run minutes stays", kRunMinutes, VK_RETURN, false, kRunMinutes},
      {"Up from the seconds to Sit-ups", kRunSeconds, VK_UP, false, kSitups},
      {"Down from Age", kAge, VK_DOWN, false, kSex},
      {"Down from the run stays", kRunMinutes, VK_DOWN, false, kRunMinutes},
  };
  harness::ExpectKeyMoves(moves);
}

TEST_F(VornaWindow, ButtonsAndTheChartListStandWhereTheLayoutSays) {
  const WindowLayout& l = Window().layout;
  const struct {
    int id;
    const char* text;
    ButtonIndex index;
  } buttons[] = {
      {kCalculateCommand, "&Calculate", kCalculateButton},
      {kClearCommand, "C&lear", kClearButton},
      {kPrintCommand, "&Print", kPrintButton},
  };
  for (const auto& b : buttons) {
    HWND button = Control(b.id);
    ASSERT_NE(button, nullptr) << b.text;
    EXPECT_EQ(harness::TextOf(button), b.text);
    const RECT r = harness::PlaceOf(button);
    const ButtonPlace& place = l.buttons[b.index];
    EXPECT_EQ(r.left, place.left) << b.text;
    EXPECT_EQ(r.top, place.top) << b.text;
    EXPECT_EQ(r.right - r.left, place.width) << b.text;
    EXPECT_EQ(r.bottom - r.top, place.height) << b.text;
  }
  EXPECT_FALSE(PrintEnabled());  // nothing has been calculated yet

  HWND list = Control(kChartList);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list, shell::App().program->pagedList());  // Page Up and Page Down reach it
  const LONG style = GetWindowLongA(list, GWL_STYLE);
  EXPECT_EQ(style & (WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL),
            WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL);
  EXPECT_EQ(style & LBS_SORT, 0);
  const RECT r = harness::PlaceOf(list);
  EXPECT_EQ(r.left, l.chartLeft);
  EXPECT_EQ(r.top, l.chartTop);
  HDC dc = GetDC(shell::App().mainWindow);
  SIZE text{};
  GetTextExtentPoint32A(dc, "27:54  |  100", 13, &text);
  ReleaseDC(shell::App().mainWindow, dc);
  EXPECT_EQ(r.right - r.left, text.cx + GetSystemMetrics(SM_CXVSCROLL));
  // Whole rows only: the list stops short of its 8Y and so clear of the title.
  EXPECT_LE(r.bottom - r.top, l.chartHeight);
  EXPECT_LE(r.bottom, l.chartTitleTop);
}

}  // namespace
}  // namespace vorna
