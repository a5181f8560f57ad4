#include "vorna/core/keyboard.h"

#include "shell/tests/keyboard_cases.h"

#include <array>
#include <span>
#include <string_view>
#include "vorna/core/fields.h"

namespace vorna {
namespace {

using namespace keyboard;

TEST(VornaKeyboard, EnterTabAndArrows) {
  const Row rows[] = {
      // field, Enter, Tab, Shift+Tab, Up, Down
      {0, {1}, {1}, {}, {}, {1}},   {1, {2}, {2}, {0}, {0}, {2}}, {2, {3}, {3}, {1}, {1}, {3}},
      {3, {4}, {4}, {2}, {2}, {4}}, {4, {}, {5}, {3}, {3}, {}},   {5, {}, {}, {4}, {3}, {}},
      {9, {}, {}, {}, {8}, {}},     {11, {}, {}, {}, {10}, {}},   {14, {}, {}, {}, {13}, {}},
  };
  CheckRows(kNavigation, rows);
}

TEST(VornaKeyboard, PastedTextPassesTheSameFilterAsTypedText) {
  const PasteCase cases[] = {
      {4, "13", "13"},      {4, "ab", nullptr},  {2, "7a", nullptr},           {2, "75\r\n", "75"},
      {2, " \t75 ", "75"},  {2, "7 5", nullptr}, {2, "-5", nullptr},           {2, "", nullptr},
      {2, "\r\n", nullptr}, {1, "x", nullptr},   {12, " Ann\r\n", " Ann\r\n"},
  };
  CheckPastes(kNavigation, cases);
}

TEST(VornaKeyboard, CharacterFilter) {
  const CharCase cases[] = {
      {1, 'm', 'M'},  {1, 'F', 'F'},  {1, 'a', 0},    {2, 'a', 0},    {10, 'Z', 0},
      {11, 'a', 'a'}, {12, 'B', 'B'}, {13, 'c', 'c'}, {14, '3', '3'},
  };
  CheckCharacters(kNavigation, cases);
}

TEST(VornaKeyboard, FullFirstPartAdvancesOnlyWhenTheCharacterPasses) {
  const AdvanceCase cases[] = {
      {4, 1, '1', 5},  {5, 1, '5', kNoMove},  {8, 2, '3', 9},       {8, 1, '2', kNoMove},
      {9, 1, '4', 10}, {10, 3, '9', kNoMove}, {2, 1, '5', kNoMove}, {0, 1, '2', kNoMove},
  };
  CheckAdvances(kNavigation, cases);
}

TEST(VornaKeyboard, BackspaceAndLeftAtTheStartOfASecondPart) {
  const BackCase cases[] = {
      {5, 0, false, 4, false, 4},           {9, 0, false, 8, false, 8},
      {10, 0, false, 9, false, 9},          {4, 0, false, kNoMove, false, kNoMove},
      {1, 1, true, kNoMove, true, kNoMove},
  };
  CheckBackAndLeft(kNavigation, cases);
}

TEST(VornaKeyboard, RightLeavesAFirstPartFromItsEnd) {
  const RightCase cases[] = {
      {4, "", 0, 5},  {4, "12", 1, kNoMove}, {8, "12", 2, 9},
      {9, "", 0, 10}, {5, "", 0, kNoMove},   {2, "", 0, kNoMove},
  };
  CheckRight(kNavigation, cases);
}

TEST(VornaKeyboard, PageKeysScrollTheChart) {
  for (int field : {0, 3, 5, 9}) {
    const KeyDecision up = Press(kNavigation, field, Key::PageUp);
    const KeyDecision down = Press(kNavigation, field, Key::PageDown);
    EXPECT_EQ(up.scroll, shell::ChartScroll::PageUp) << field;
    EXPECT_EQ(down.scroll, shell::ChartScroll::PageDown) << field;
    EXPECT_FALSE(up.swallow || down.swallow || up.moveTo != kNoMove) << field;
  }
}

TEST(VornaKeyboard, AWholeRunTimeOrSsnPastedIntoItsFirstPartFillsEveryPart) {
  const SplitCase cases[] = {
      {kRunMinutes, "13:00", {}, {"13", "00"}},
      {kRunMinutes, "9:05", {}, {"9", "05"}},
      {kRunMinutes, "905", {}, {"9", "05"}},
      {kRunMinutes, "1300", {}, {"13", "00"}},
      {8, "123-45-6789", {}, {"123", "45", "6789"}},
      {kRunMinutes, "9:5", {}, {}},
      {kRunSeconds, "13:00", {}, {}},
      {kPushups, "1300", {}, {}},
      {8, "123-45-67890", {}, {}},
  };
  CheckSplits(kNavigation, cases);
}

TEST(VornaKeyboard, FieldsHoldWhatTheProgramReadsAndTakeTheEditingShortcuts) {
  CheckLimits(kNavigation, &FieldChars, '7');
  CheckShortcuts(kNavigation);
}

TEST(VornaKeyboard, NeverMovesOutsideTheFieldTable) {
  CheckNeverOutside(kNavigation);
}

}  // namespace
}  // namespace vorna
