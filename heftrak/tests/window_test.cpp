// HEFTRAK's real window under Wine: start-up, the grid, every field in place,
// typing through the program's own message loop, the About box, the beeper.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "heftrak/core/fields.h"
#include "heftrak/core/layout.h"
#include "heftrak/win32/program.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/gdi.h"
#include "shell/win32/text.h"

namespace heftrak {
namespace {

using harness::FocusedId;
using harness::Press;
using harness::TextOf;
using harness::Type;

HWND Field(int id) {
  return shell::App().fields.At(id);
}

using HeftrakWindow = harness::ProgramSuite<&Program>;

TEST_F(HeftrakWindow, GridAndWindowSize) {
  const shell::LayoutGrid& g = shell::App().grid;
  // The System font's dialog base units are 8 x 16.
  ASSERT_EQ(g.X, 8);
  ASSERT_EQ(g.Y, 16);
  RECT rect;
  GetWindowRect(shell::App().mainWindow, &rect);
  EXPECT_EQ(rect.right - rect.left, 640);
  EXPECT_EQ(rect.bottom - rect.top, 480);
  char caption[64];
  GetWindowTextA(shell::App().mainWindow, caption, sizeof caption);
  EXPECT_STREQ(caption, "Weight Control Calculator");
  const LONG style = GetWindowLongA(shell::App().mainWindow, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST_F(HeftrakWindow, EveryFieldStandsInItsPlace) {
  for (const shell::FieldPlacement& p : FieldPlacements(shell::App().grid)) {
    HWND field = Field(p.id);
    ASSERT_NE(field, nullptr) << p.id;
    EXPECT_EQ(GetDlgCtrlID(field), p.id);
    const RECT r = harness::PlaceOf(field);
    EXPECT_EQ(r.left, p.left) << p.id;
    EXPECT_EQ(r.top, p.top) << p.id;
    const LONG style = GetWindowLongA(field, GWL_STYLE);
    EXPECT_EQ((style & ES_READONLY) != 0, p.readOnly) << p.id;
    EXPECT_EQ((style & ES_RIGHT) != 0, p.rightAligned) << p.id;
  }
  EXPECT_EQ(Field(kMainFieldCount), nullptr);
}

// Every field is as wide as the longest figure it shows, in the font it
// shows it in: a stand-in font with wider digits would scroll a three-digit
// weight or cut a factor of 100 or more.
TEST_F(HeftrakWindow, TheLongestFiguresFitTheirFields) {
  const struct {
    int first, last;
    const char* figure;
  } kWidest[] = {
      {kAge, kAge, "88"},
      {kSex, kSex, "M"},
      {kHeightWhole, kHeightHundredths, "88"},
      {kWeight, kWeight, "288"},
      {kMaleReadingsFirst, kMaleAverageAbdomen - 1, "88"},
      {kMaleAverageAbdomen, kMaleAverageNeck, "88.88"},
      {kMaleDifference, kMaleBodyFat, "188.88"},
      {kFemaleReadingsFirst, kFemaleAverageHips - 1, "88"},
      {kFemaleAverageHips, kFemaleAverageWrist, "88.88"},
      {kFemaleWeightFactor, kFemaleBodyFat, "188.88"},
  };
  for (const auto& w : kWidest) {
    for (int id = w.first; id <= w.last; ++id) {
      HWND field = Field(id);
      RECT inside{};
      SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inside));
      const shell::WindowDC dc(field);
      auto font = reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0));
      const shell::Selection shown(dc.get(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
      EXPECT_LE(shell::TextWidth(dc.get(), w.figure), inside.right - inside.left)
          << id << " '" << w.figure << "'";
    }
  }
}

TEST_F(HeftrakWindow, FieldsTakeWhatTheirFilterLetsThroughUpToWhatIsRead) {
  const struct {
    int field;
    const char* typed;
    const char* shown;
  } cases[] = {
      {kSex, "x5m", "M"},
      {kAge, "a2b5", "25"},
      {kWeight, "1855", "185"},
      {kHeightHundredths, "505", "50"},
  };
  for (const auto& c : cases) {
    Reopen();
    harness::FocusField(c.field);
    Type(c.typed);
    EXPECT_EQ(TextOf(Field(c.field)), c.shown) << c.typed;
  }
  // A whole height pasted into its first field fills both.
  Reopen();
  harness::PutOnClipboard("70.5");
  harness::FocusField(kHeightWhole);
  Type("\x16");  // Ctrl+V
  EXPECT_EQ(TextOf(Field(kHeightWhole)), "70");
  EXPECT_EQ(TextOf(Field(kHeightHundredths)), "50");
}

// No field stands open to the edit control's 30,000 characters: each holds
// what the program reads of it, a result the widest figure it shows.
TEST_F(HeftrakWindow, EveryFieldHasItsLimit) {
  for (int id = 0; id < kMainFieldCount; ++id) {
    EXPECT_EQ(SendMessageA(Field(id), EM_GETLIMITTEXT, 0, 0), FieldChars(id)) << id;
  }
  // A result takes nothing pasted, Shift+Insert included.
  harness::PutOnClipboard(" 4\r\n");
  SetWindowTextA(Field(kMaleBodyFat), "26.22");
  SetFocus(Field(kMaleBodyFat));
  Press(VK_INSERT, true);
  EXPECT_EQ(TextOf(Field(kMaleBodyFat)), "26.22");
}

// Ctrl+A selects the whole text, so what is typed next replaces it: in a
// single-line field and in a right-aligned (multi-line) one.
TEST_F(HeftrakWindow, CtrlAThenADigitReplacesTheText) {
  for (int id : {kAge, FemaleReadingWhole(kForearm, 0)}) {
    SetWindowTextA(Field(id), "18");
    harness::FocusField(id);
    Type("\x01");  // what the keyboard sends for Ctrl+A
    Type("3");
    EXPECT_EQ(TextOf(Field(id)), "3") << id;
  }
}

// A whole height pasted over both its fields: Ctrl+Z in either field never
// shows half the old value with half the new one. (A reading's two fields
// take the same path.)
TEST_F(HeftrakWindow, UndoAfterAWholeValuePastedNeverMixesTheParts) {
  for (int undoIn : {kHeightWhole, kHeightHundredths}) {
    Reopen();
    harness::FocusField(kHeightWhole);
    Type("7025");  // advances into the hundredths
    harness::PutOnClipboard("69.75");
    harness::SelectField(kHeightWhole);
    Type("\x16");
    ASSERT_EQ(TextOf(Field(kHeightWhole)) + "." + TextOf(Field(kHeightHundredths)), "69.75");
    harness::FocusField(undoIn);
    Type("\x1a");  // Ctrl+Z
    const std::string shown = TextOf(Field(kHeightWhole)) + "." + TextOf(Field(kHeightHundredths));
    EXPECT_TRUE(shown == "69.75" || shown == "70.25") << "undone in " << undoIn << ": " << shown;
  }
}

TEST_F(HeftrakWindow, TypingTheHeightAdvancesIntoItsHundredths) {
  harness::FocusField(kHeightWhole);
  Type("70");
  EXPECT_EQ(TextOf(Field(kHeightWhole)), "70");
  EXPECT_EQ(FocusedId(), kHeightHundredths);
  Type("5");
  EXPECT_EQ(TextOf(Field(kHeightHundredths)), "5");
  // Backspace at the start of the hundredths goes back and deletes nothing.
  SendMessageA(Field(kHeightHundredths), EM_SETSEL, 0, 0);
  Press(VK_BACK);
  EXPECT_EQ(FocusedId(), kHeightWhole);
  EXPECT_EQ(TextOf(Field(kHeightHundredths)), "5");
  EXPECT_EQ(TextOf(Field(kHeightWhole)), "70");
}

TEST_F(HeftrakWindow, RightMovesOnOnlyFromTheEndOfAWholeInchField) {
  harness::FocusField(kHeightWhole);
  Press(VK_RIGHT);  // empty field
  EXPECT_EQ(FocusedId(), kHeightHundredths);

  SetWindowTextA(Field(kHeightWhole), "72");
  harness::FocusField(kHeightWhole);
  SendMessageA(Field(kHeightWhole), EM_SETSEL, 1, 1);
  Press(VK_RIGHT);  // between the digits: only the caret moves
  EXPECT_EQ(FocusedId(), kHeightWhole);
  EXPECT_EQ(harness::Caret(Field(kHeightWhole)), 2);
  Press(VK_RIGHT);  // at the end
  EXPECT_EQ(FocusedId(), kHeightHundredths);
}

// Each key reaches the field rules through the real keyboard; where every
// key leads from every field is the rules' own test (keyboard_test.cpp).
TEST_F(HeftrakWindow, EnterTabAndArrowsFollowTheFieldRules) {
  const harness::KeyMove moves[] = {
      {"Enter in Age goes to Sex", kAge, VK_RETURN, false, kSex},
      {"Enter in Weight stays", kWeight, VK_RETURN, false, kWeight},
      {"Tab from the 3rd neck reading to the 1st hips", 15, VK_TAB, false, 23},
      {"Shift+Tab from a hundredths to the reading before", 8, VK_TAB, true, 5},
      {"Up from forearm to hips", 29, VK_UP, false, 23},
      {"Down from the height goes to Weight", kHeightWhole, VK_DOWN, false, kWeight},
  };
  harness::ExpectKeyMoves(moves);
}

TEST_F(HeftrakWindow, EnterInAForearmFieldMovesOnWithoutABreak) {
  harness::FocusField(29);
  Type("12");
  Press(VK_RETURN);
  EXPECT_EQ(FocusedId(), 31);
  EXPECT_EQ(TextOf(Field(29)), "12");
}

TEST_F(HeftrakWindow, AboutBoxOpensFromTheSystemMenuAndOnlyOkClosesIt) {
  int step = 0;
  bool stayedOpenOnEscape = false;
  RECT okPlace{};
  std::string title;
  harness::WithModalDialog([] { SendMessageA(shell::App().mainWindow, WM_SYSCOMMAND, 300, 0); },
                           [&](HWND dialog) {
                             switch (step++) {
                               case 0: {
                                 char caption[32];
                                 GetWindowTextA(dialog, caption, sizeof caption);
                                 title = caption;
                                 okPlace = harness::PlaceOf(GetDlgItem(dialog, 1));
                                 PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
                                 return false;
                               }
                               case 1:
                                 stayedOpenOnEscape =
                                     IsWindow(dialog) && dialog != shell::App().mainWindow;
                                 PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
                                 return true;
                               default:
                                 return true;
                             }
                           });
  EXPECT_EQ(title, "About...");
  EXPECT_TRUE(stayedOpenOnEscape);
  EXPECT_EQ(okPlace.left, 48);
  EXPECT_EQ(okPlace.top, 224);
  EXPECT_EQ(okPlace.right - okPlace.left, 96);
  EXPECT_EQ(okPlace.bottom - okPlace.top, 28);
  EXPECT_EQ(step, 2);
  EXPECT_TRUE(IsWindowEnabled(shell::App().mainWindow));
}

// The window turns the beeper off while it has the focus, and at exit puts
// back what the user had.
TEST(HeftrakExit, PutsTheUsersBeeperSettingBack) {
  for (BOOL before : {TRUE, FALSE}) {
    SystemParametersInfoA(SPI_SETBEEP, static_cast<UINT>(before), nullptr, 0);
    ASSERT_TRUE(shell::StartProgram(GetModuleHandleA(nullptr), SW_SHOW, Program()));
    SetFocus(shell::App().mainWindow);
    harness::Pump();
    BOOL on = TRUE;
    SystemParametersInfoA(SPI_GETBEEP, 0, &on, 0);
    EXPECT_FALSE(on);
    DestroyWindow(shell::App().mainWindow);
    harness::Pump();
    shell::FinishProgram();
    SystemParametersInfoA(SPI_GETBEEP, 0, &on, 0);
    EXPECT_EQ(on, before);
  }
}

}  // namespace
}  // namespace heftrak
