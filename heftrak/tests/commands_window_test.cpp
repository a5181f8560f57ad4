// HEFTRAK's commands in the real window under Wine, for what only the window
// shows: the buttons, what is painted in the prompt box, the texts the fields
// end up holding, the real focus, the keyboard and the mouse, the clipboard
// and the chart dialogs, each driven through the program's own loop. What
// the commands and reactions decide is tested on the window model natively
// (window_model_test.cpp, evaluation_test.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "heftrak/core/chart_rows.h"
#include "heftrak/core/fields.h"
#include "heftrak/core/window_layout.h"
#include "heftrak/resources/heftrak_ids.h"
#include "heftrak/win32/main_window.h"
#include "heftrak/win32/program.h"
#include "heftrak/win32/window_parts.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/gdi.h"
#include "shell/win32/male_only.h"
#include "shell/win32/observer.h"
#include "shell/win32/text.h"

namespace heftrak {
namespace {

using harness::ClipboardText;
using harness::FocusedId;
using harness::PressAlt;
using harness::PutOnClipboard;
using harness::TextOf;

HWND Main() {
  return shell::App().mainWindow;
}

HWND Field(int id) {
  return shell::App().fields.At(id);
}

std::string Text(int id) {
  return TextOf(Field(id));
}

bool PrintEnabled() {
  return IsWindowEnabled(GetDlgItem(Main(), kPrintCommand)) != FALSE;
}

// Sets a field's text as a paste would: the field reports the change.
void Set(int id, const char* text) {
  SetWindowTextA(Field(id), text);
  harness::Pump();
}

void Screen(const char* age, const char* sex, const char* whole, const char* hundredths,
            const char* weight) {
  Set(kAge, age);
  Set(kSex, sex);
  Set(kHeightWhole, whole);
  Set(kHeightHundredths, hundredths);
  Set(kWeight, weight);
}

void Reading(FieldId whole, const char* inches, const char* hundredths) {
  Set(whole, inches);
  Set(HundredthsOf(whole), hundredths);
}

// Abdomen 35.00 / 35, neck 15.00, 72 in.: 18.81 % body fat at age 25.
void MaleSoldier() {
  Screen("25", "", "72", "00", "");
  Reading(MaleReadingWhole(kAbdomen, 0), "35", "00");
  Reading(MaleReadingWhole(kAbdomen, 1), "35", "");
  Reading(MaleReadingWhole(kMaleNeck, 0), "15", "00");
}

// 150 lb, 64 in., hips 40, forearm 10 twice, neck 13, wrist 6: 30.65 % at 30.
void FemaleSoldier() {
  Screen("30", "", "64", "00", "150");
  Reading(FemaleReadingWhole(kHips, 0), "40", "00");
  Reading(FemaleReadingWhole(kForearm, 0), "10", "00");
  Reading(FemaleReadingWhole(kForearm, 2), "10", "00");
  Reading(FemaleReadingWhole(kFemaleNeck, 1), "13", "00");
  Reading(FemaleReadingWhole(kWrist, 0), "6", "00");
}

// Every field shows the text the window's model holds: the window carried
// out every write the model decided, into the right field.
void ExpectFieldsShowTheModel() {
  for (int id = 0; id < kMainFieldCount; ++id) {
    EXPECT_EQ(Text(id), Window().model.fields.Text(id)) << id;
  }
}

// What goes into the prompt box: the box drawn again (which wipes it), or a
// text drawn into it.
struct PromptPaint {
  bool cleared = false;
  std::string text;
  int x = 0;
  int y = 0;
  COLORREF colour = 0;
};

class HeftrakCommands : public harness::ProgramSuite<&Program> {
 protected:
  void SetUp() override {
    ProgramSuite::SetUp();
    paints.clear();
    const PanelPlace box = PromptBox(shell::App().grid);
    observer.panelDrawn = [this, box](HWND window, const shell::Stack& panel) {
      if (window == Main() && panel == box) {
        paints.push_back({true, {}, 0, 0, 0});
      }
    };
    observer.textDrawn = [this, box](HWND window, const shell::DrawnText& t) {
      const bool inBox = t.x >= box.left && t.x < box.left + box.width && t.y >= box.top &&
                         t.y < box.top + box.height;
      if (window == Main() && inBox) {
        paints.push_back({false, t.text, t.x, t.y, t.colour});
      }
    };
    shell::Observe(&observer);
  }
  void TearDown() override {
    shell::Observe(nullptr);
    ProgramSuite::TearDown();
  }

  // The texts drawn into the prompt box since the last time it was cleared.
  std::vector<PromptPaint> SinceLastClear() const {
    std::vector<PromptPaint> texts;
    for (const PromptPaint& p : paints) {
      if (p.cleared) {
        texts.clear();
      } else {
        texts.push_back(p);
      }
    }
    return texts;
  }
  std::vector<std::string> PromptTexts() const {
    std::vector<std::string> texts;
    for (const PromptPaint& p : SinceLastClear()) {
      texts.push_back(p.text);
    }
    return texts;
  }

  std::vector<PromptPaint> paints;
  shell::Observer observer;
};

// ---- The window -----------------------------------------------------------

TEST_F(HeftrakCommands, TheButtonsStandInTheirPanelsAndPrintWaitsForAResult) {
  for (const ButtonPlace& b : LayoutFor(shell::App().grid).buttons) {
    HWND button = GetDlgItem(Main(), b.command);
    ASSERT_NE(button, nullptr) << b.caption;
    EXPECT_EQ(TextOf(button), b.caption);
    const RECT r = harness::PlaceOf(button);
    EXPECT_EQ(r.left, b.left) << b.caption;
    EXPECT_EQ(r.top, b.top) << b.caption;
    EXPECT_EQ(r.right - r.left, b.width) << b.caption;
    EXPECT_EQ(r.bottom - r.top, b.height) << b.caption;
    EXPECT_EQ(IsWindowEnabled(button) != FALSE, b.command != kPrintCommand) << b.caption;
  }
  // A click on a button runs its command like its Alt key.
  Screen("25", "M", "72", "00", "195");
  SendMessageA(GetDlgItem(Main(), kCheckCommand), BM_CLICK, 0, 0);
  harness::Pump();
  EXPECT_EQ(Window().message, kWithinWeight);
  EXPECT_TRUE(PrintEnabled());
}

// ---- Check ---------------------------------------------------------------

struct CheckCase {
  const char* name;
  const char* sex;
  const char* whole;
  const char* hundredths;
  const char* weight;
  MessageCode message;
  int focus;
  const char* maxLine;
  const char* hundredthsAfter;
};

TEST_F(HeftrakCommands, CheckPaintsTheVerdictWithTheMaximumBelowIt) {
  // The verdicts and maxima themselves are the model's (evaluation_test.cpp).
  const CheckCase cases[] = {
      {"at the maximum", "M", "72", "", "195", kWithinWeight, kSex,
       "Max allowable weight: 195 lbs.", "00"},
      {"a woman over", "F", "72", "00", "173", kNotWithinWeight, FemaleReadingWhole(kHips, 0),
       "Max allowable weight: 172 lbs.", "00"},
  };
  for (const CheckCase& c : cases) {
    if (&c != cases) {  // each case in a window of its own
      TearDown();
      SetUp();
    }
    Screen("25", c.sex, c.whole, c.hundredths, c.weight);
    harness::FocusField(kWeight);
    paints.clear();
    PressAlt('k');
    EXPECT_EQ(Window().message, c.message) << c.name;
    EXPECT_EQ(FocusedId(), c.focus) << c.name;
    EXPECT_TRUE(PrintEnabled()) << c.name;
    EXPECT_EQ(Text(kHeightHundredths), c.hundredthsAfter) << c.name;
    // The maximum comes after the message, so the message's clear of the
    // prompt box does not wipe it: the last thing drawn, two lines down.
    const std::vector<PromptPaint> shown = SinceLastClear();
    ASSERT_FALSE(shown.empty()) << c.name;
    EXPECT_EQ(shown.back().text, c.maxLine) << c.name;
    const shell::Point extra = ExtraLineOrigin(shell::App().grid);
    EXPECT_EQ(shown.back().x, extra.x) << c.name;
    EXPECT_EQ(shown.back().y, extra.y) << c.name;
    EXPECT_EQ(shown.front().text, c.message == kWithinWeight ? "Soldier" : "Soldier is") << c.name;
  }
}

TEST_F(HeftrakCommands, CheckWithoutAWeightShowsOnlyTheMaximum) {
  Screen("25", "M", "72", "00", "");
  paints.clear();
  PressAlt('k');
  EXPECT_EQ(Window().message, kNoMessage);
  EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Max allowable weight: 195 lbs."});
  EXPECT_TRUE(PrintEnabled());
  EXPECT_TRUE(Window().model.state.screeningShown);
}

// ---- Calculate -----------------------------------------------------------

// A click into a read-only result does not make it where the caret comes
// back to when the window is restored or a dialog closes.
TEST_F(HeftrakCommands, OnlyEntryFieldsBecomeTheFocusTarget) {
  MaleSoldier();
  PressAlt('c');
  ASSERT_EQ(FocusedId(), kSex);
  for (int result : {static_cast<int>(kMaleAbdomenNeckFactor), static_cast<int>(kFemaleBodyFat)}) {
    SendMessageA(Field(result), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(Field(result), WM_LBUTTONUP, 0, 0);
    harness::Pump();
    ASSERT_EQ(FocusedId(), result);
    SetFocus(nullptr);  // as a minimised window loses it
    SetFocus(shell::App().mainWindow);
    harness::Pump();
    EXPECT_EQ(FocusedId(), kSex) << result;
  }
}

TEST_F(HeftrakCommands, FemaleCalculateFillsTheFemaleResults) {
  FemaleSoldier();
  paints.clear();
  PressAlt('C');
  ExpectFieldsShowTheModel();
  EXPECT_EQ(Text(kFemaleBodyFat), "30.65");
  EXPECT_EQ(Text(kSex), "F");
  EXPECT_EQ(Window().message, kWithinBodyFat);
  EXPECT_EQ(PromptTexts().back(), "Max percent body fat: 34.0%.");
  EXPECT_EQ(FocusedId(), kSex);
}

TEST_F(HeftrakCommands, CalculatingAgainKeepsTheResultAndThePrintButton) {
  MaleSoldier();
  harness::FocusField(MaleReadingWhole(kMaleNeck, 0));
  paints.clear();
  PressAlt('c');
  ExpectFieldsShowTheModel();
  EXPECT_EQ(Text(kMaleBodyFat), "18.81");
  EXPECT_EQ(PromptTexts().back(), "Max percent body fat: 22.0%.");
  EXPECT_EQ(FocusedId(), kSex);
  // The second run rewrites the readings' "00", which counts as an edit of
  // each reading: the new result must still stand afterwards.
  PressAlt('c');
  ExpectFieldsShowTheModel();
  EXPECT_EQ(Text(kMaleBodyFat), "18.81");
  EXPECT_TRUE(PrintEnabled());
  // And an edit of a reading still takes it down.
  Set(MaleReadingWhole(kAbdomen, 2), "3");
  EXPECT_EQ(Text(kMaleBodyFat), "");
  EXPECT_FALSE(PrintEnabled());
}

// ---- Clear and Clear Calc. ----------------------------------------------

TEST_F(HeftrakCommands, ClearingLeavesTheUsersClipboardAlone) {
  PutOnClipboard("kept by the user");
  ASSERT_EQ(ClipboardText(), "kept by the user");
  MaleSoldier();
  FemaleSoldier();
  PressAlt('l');
  PressAlt('r');
  EXPECT_EQ(Text(kAge), "");
  EXPECT_EQ(Text(MaleReadingWhole(kAbdomen, 0)), "");
  EXPECT_EQ(ClipboardText(), "kept by the user");
}

// ---- Male Only -----------------------------------------------------------

// The keyboard's part in "Male Only": Alt+M, a letter typed into Sex (which
// the field upper-cases), and Backspace in Sex, which clicks the option off.
TEST_F(HeftrakCommands, MaleOnlyFromTheKeyboard) {
  Screen("25", "F", "72", "00", "");
  harness::FocusField(kWeight);
  PressAlt('m');
  EXPECT_TRUE(Window().model.state.maleOnly);
  EXPECT_EQ(Text(kSex), "M");
  EXPECT_EQ(FocusedId(), kSex);

  SendMessageA(Field(kSex), EM_SETSEL, 0, -1);
  harness::Type("f");
  EXPECT_FALSE(Window().model.state.maleOnly);
  EXPECT_EQ(Text(kSex), "F");

  PressAlt('M');
  ASSERT_TRUE(Window().model.state.maleOnly);
  harness::FocusField(kSex);
  harness::Press(VK_BACK);
  EXPECT_FALSE(Window().model.state.maleOnly);
  EXPECT_EQ(Text(kSex), "");
}

TEST_F(HeftrakCommands, MaleOnlyTakesClicksStrictlyInsideItsArea) {
  const shell::MaleOnlyPlace& option = shell::MaleOnlyPlacement();
  const shell::MarkedOption& place = option.option;
  int clickWidth = 0;
  {
    shell::WindowDC dc(Main());
    clickWidth = shell::TextWidth(dc.get(), "Male Onlynly");
  }
  ASSERT_GT(clickWidth, 0);
  const struct {
    const char* name;
    int x, y;
    bool toggles;
  } clicks[] = {
      {"inside the box", place.boxLeft + 1, place.boxTop + 1, true},
      {"on the label", option.labelLeft + 10, place.boxTop + 8, true},
      {"last pixel to the right", place.boxLeft + clickWidth - 1, place.boxTop + 8, true},
      {"the box's left edge", place.boxLeft, place.boxTop + 8, false},
      {"the box's top edge", place.boxLeft + 5, place.boxTop, false},
      {"past the measured width", place.boxLeft + clickWidth, place.boxTop + 8, false},
      {"one text line down", place.boxLeft + 5, place.boxTop + option.height, false},
  };
  for (const auto& c : clicks) {
    const bool before = Window().model.state.maleOnly;
    PostMessageA(Main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    harness::Pump();
    EXPECT_EQ(Window().model.state.maleOnly != before, c.toggles) << c.name;
  }
}

// ---- Focus prompts -------------------------------------------------------

// The real focus moves reach the model; which prompt each move brings is
// the model's (window_model_test.cpp).
TEST_F(HeftrakCommands, TheUsersFocusMovesBringTheCalculatorsPrompts) {
  ShowMessage(Main(), kEnterAge, shell::kBlack);
  harness::FocusField(kAge);
  EXPECT_EQ(Window().message, kEnterAge) << "within the Weight Screen the message stays";
  harness::FocusField(MaleReadingWhole(kAbdomen, 0));
  EXPECT_EQ(Window().message, kMaleCalculatorPrompt);
  harness::FocusField(FemaleReadingWhole(kHips, 0));
  EXPECT_EQ(Window().message, kFemaleCalculatorPrompt);
  harness::FocusField(kWeight);
  EXPECT_EQ(Window().message, kStartPrompt);
}

// ---- Repaint -------------------------------------------------------------

TEST_F(HeftrakCommands, RepaintBringsBackTheMessageButNotTheMaximumLine) {
  Screen("25", "M", "72", "00", "196");
  PressAlt('k');
  ASSERT_EQ(PromptTexts().back(), "Max allowable weight: 195 lbs.");
  paints.clear();
  InvalidateRect(Main(), nullptr, TRUE);
  UpdateWindow(Main());
  harness::Pump();
  int width = 0;
  int notWidth = 0;
  {
    shell::WindowDC dc(Main());
    width = shell::TextWidth(dc.get(), "Soldier is");
    notWidth = shell::TextWidth(dc.get(), " not");
  }
  const std::vector<PromptPaint> shown = SinceLastClear();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].text, "Soldier is");
  const shell::Point origin = PromptOrigin(shell::App().grid);
  EXPECT_EQ(shown[0].x, origin.x);
  EXPECT_EQ(shown[1].text, " not");
  EXPECT_EQ(shown[1].x, origin.x + width);
  EXPECT_EQ(shown[1].colour, RGB(255, 0, 0));
  EXPECT_EQ(shown[2].x, origin.x + width + notWidth);
  EXPECT_EQ(shown[2].colour, RGB(0, 0, 0));
  EXPECT_EQ(shown[3].text, "Soldier must be taped.");
  EXPECT_EQ(shown[3].y, origin.y + shell::App().grid.Y);
  EXPECT_EQ(Window().message, kNotWithinWeight);
}

// ---- Charts --------------------------------------------------------------

TEST_F(HeftrakCommands, ChartsOpenWithTheAgeLimitedToTheTables) {
  const struct {
    const char* age;
    int command;
    int chartAge;
  } cases[] = {{"75", kMaleChartsCommand, 70}, {"", kFemaleChartsCommand, -1}};
  for (const auto& c : cases) {
    Set(kAge, c.age);
    std::vector<std::string> texts;
    observer.textDrawn = [&texts](HWND, const shell::DrawnText& t) { texts.push_back(t.text); };
    bool opened = false;
    const auto headed = [&texts] {
      return std::any_of(texts.begin(), texts.end(),
                         [](const std::string& t) { return t.rfind("Age:", 0) == 0; });
    };
    harness::WithModalDialog([&] { SendMessageA(GetDlgItem(Main(), c.command), BM_CLICK, 0, 0); },
                             [&](HWND dialog) {
                               opened = true;
                               RedrawWindow(dialog, nullptr, nullptr,
                                            RDW_INVALIDATE | RDW_UPDATENOW);
                               if (!headed()) {
                                 return false;  // not painted yet: look again on the next tick
                               }
                               PostMessageA(dialog, WM_COMMAND, 1, 0);
                               return true;
                             });
    EXPECT_TRUE(opened) << c.age;
    // The heading names the age group of the age the chart opened with.
    EXPECT_NE(std::find(texts.begin(), texts.end(), AgeHeading(c.chartAge)), texts.end()) << c.age;
  }
}

}  // namespace
}  // namespace heftrak
