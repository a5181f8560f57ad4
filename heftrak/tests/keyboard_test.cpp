#include "heftrak/core/keyboard.h"

#include "heftrak/core/fields.h"
#include "shell/tests/keyboard_cases.h"

#include <array>
#include <span>
#include <string_view>

namespace heftrak {
namespace {

using namespace keyboard;

TEST(HeftrakKeyboard, EnterTabAndArrows) {
  const Row rows[] = {
      // field, Enter, Tab, Shift+Tab, Up, Down
      {0, {1}, {1}, {}, {}, {1}},
      {1, {2}, {2}, {0}, {0}, {2}},
      {2, {4}, {4}, {1}, {1}, {4}},
      {3, {4}, {4}, {1}, {1}, {4}},
      {4, {}, {5}, {2}, {2}, {}},
      {5, {7}, {7}, {4}, {}, {11}},
      {6, {7}, {7}, {4}, {}, {12}},
      {7, {9}, {9}, {5}, {}, {13}},
      {8, {9}, {9}, {5}, {}, {14}},
      {10, {11}, {11}, {7}, {}, {16}},
      {11, {13}, {13}, {9}, {5}, {}},
      {12, {13}, {13}, {9}, {6}, {}},
      {13, {15}, {15}, {11}, {7}, {}},
      {14, {15}, {15}, {11}, {8}, {}},
      {15, {}, {23}, {13}, {9}, {}},
      {16, {}, {23}, {13}, {10}, {}},
      {17, {18}, {18}, {16}, {}, {}},
      {22, {23}, {23}, {21}, {}, {}},
      {23, {25}, {25}, {15}, {}, {29}},
      {24, {25}, {25}, {15}, {}, {30}},
      {25, {27}, {27}, {23}, {}, {31}},
      {26, {27}, {27}, {23}, {}, {32}},
      {28, {29}, {29}, {25}, {}, {34}},
      {29, {31, S}, {31}, {27}, {23, S}, {35, S}},
      {30, {31}, {31}, {27}, {24}, {36}},
      {31, {33, S}, {33}, {29}, {25, S}, {37, S}},
      {33, {35, S}, {35}, {31}, {27, S}, {39, S}},
      {34, {35}, {35}, {31}, {28}, {40}},
      {35, {37}, {37}, {33}, {29}, {41}},
      {39, {41}, {41}, {37}, {33}, {45}},
      {40, {41}, {41}, {37}, {34}, {46}},
      {41, {43, S}, {43}, {39}, {35, S}, {}},
      {42, {43}, {43}, {39}, {36}, {}},
      {43, {45, S}, {45}, {41}, {37, S}, {}},
      {44, {45}, {45}, {41}, {38}, {}},
      {45, {kNoMove, S}, {}, {43}, {39, S}, {}},
      {46, {}, {}, {43}, {40}, {}},
      {47, {48}, {48}, {46}, {}, {}},
      // The dialog manager owns Tab and Enter in the personal data dialog.
      {61, {}, {}, {}, {}, {}},
      {64, {}, {}, {}, {}, {}},
      {68, {}, {}, {}, {}, {}},
  };
  CheckRows(kNavigation, rows);
}

TEST(HeftrakKeyboard, PastedTextPassesTheSameFilterAsTypedText) {
  const PasteCase cases[] = {
      {4, "195", "195"},  {3, ".25", nullptr},  {29, "1\r\n2", nullptr},
      {1, "m", "M"},      {1, "f\n", "F"},      {0, "25\xe9", nullptr},
      {61, "123", "123"}, {61, "12a", nullptr}, {64, "O'Neil, Jr.", "O'Neil, Jr."},
  };
  CheckPastes(kNavigation, cases);
}

TEST(HeftrakKeyboard, CharacterFilter) {
  const CharCase cases[] = {
      {1, 'm', 'M'},  {1, 'f', 'F'},  {1, 'M', 'M'},  {1, 'x', 0},    {1, '5', 0},
      {0, '7', '7'},  {0, 'a', 0},    {4, 'x', 0},    {5, 'a', 0},    {3, '.', 0},
      {29, '\n', 0},  {29, '\t', 0},  {2, '\xe9', 0}, {61, 'a', 0},   {63, '9', '9'},
      {64, 'a', 'a'}, {65, '-', '-'}, {66, 'q', 'q'}, {68, '/', '/'}, {64, '\xe9', '\xe9'},
  };
  CheckCharacters(kNavigation, cases);
}

TEST(HeftrakKeyboard, FullFirstPartAdvancesOnlyWhenTheCharacterPasses) {
  const AdvanceCase cases[] = {
      {2, 0, '7', kNoMove}, {2, 1, '0', 3},       {2, 1, 'x', kNoMove},  {2, 2, '5', kNoMove},
      {5, 1, '3', 6},       {15, 1, '1', 16},     {23, 1, '4', 24},      {45, 1, '7', 46},
      {3, 1, '5', kNoMove}, {0, 1, '2', kNoMove}, {4, 2, '0', kNoMove},  {61, 1, '1', kNoMove},
      {61, 2, '3', 62},     {62, 1, '4', 63},     {63, 3, '9', kNoMove}, {64, 1, 'a', kNoMove},
  };
  CheckAdvances(kNavigation, cases);
  // The digit that moves the focus is still passed on, into the field it was typed in.
  const KeyDecision zero = Type(kNavigation, 2, '0', 1, false, 1);
  EXPECT_EQ(zero.ch, '0');
  EXPECT_FALSE(zero.swallow);
}

TEST(HeftrakKeyboard, BackspaceAndLeftAtTheStartOfASecondPart) {
  const BackCase cases[] = {
      {3, 0, false, 2, false, 2},
      {3, 1, false, kNoMove, false, kNoMove},
      {6, 0, false, 5, false, 5},
      {16, 0, false, 15, false, 15},
      {24, 0, false, 23, false, 23},
      {46, 0, false, 45, false, 45},
      {62, 0, false, 61, false, 61},
      {63, 0, false, 62, false, 62},
      {2, 0, false, kNoMove, false, kNoMove},
      {5, 0, false, kNoMove, false, kNoMove},
      {4, 0, false, kNoMove, false, kNoMove},
      {23, 0, false, kNoMove, false, kNoMove},
      {3, 0, true, 2, false, 2},
      {1, 0, true, kNoMove, true, kNoMove},
      {1, 1, false, kNoMove, false, kNoMove},
  };
  CheckBackAndLeft(kNavigation, cases);
}

TEST(HeftrakKeyboard, RightLeavesAFirstPartFromItsEnd) {
  const RightCase cases[] = {
      {2, "", 0, 3},          {2, "7", 1, 3},       {2, "7", 0, kNoMove},    {2, "70", 1, kNoMove},
      {2, "70", 2, 3},        {2, "705", 2, 3},     {15, "1", 1, 16},        {45, "", 0, 46},
      {3, "", 0, kNoMove},    {4, "", 0, kNoMove},  {0, "", 0, kNoMove},     {61, "1", 1, 62},
      {61, "12", 1, kNoMove}, {61, "12", 2, 62},    {61, "123", 2, kNoMove}, {61, "123", 3, 62},
      {62, "1", 1, 63},       {63, "", 0, kNoMove},
  };
  CheckRight(kNavigation, cases);
}

TEST(HeftrakKeyboard, PageKeysScrollNothing) {
  EXPECT_EQ(Press(kNavigation, 5, Key::PageDown).scroll, shell::ChartScroll::None);
}

TEST(HeftrakKeyboard, AWholeHeightReadingOrSsnPastedIntoItsFirstPartFillsEveryPart) {
  const SplitCase cases[] = {
      {kHeightWhole, "70.5", {}, {"70", "50"}},
      {kHeightWhole, "70.50\r\n", {}, {"70", "50"}},
      {kHeightWhole, "70.5", {2, 2}, {"70", "50"}},
      {MaleReadingWhole(kAbdomen, 1), "36.25", {}, {"36", "25"}},
      {FemaleReadingWhole(kWrist, 2), "6.75", {}, {"6", "75"}},
      {61, "123-45-6789", {}, {"123", "45", "6789"}},
      {61, "123 45 6789", {}, {"123", "45", "6789"}},
      {61, "123456789", {}, {"123", "45", "6789"}},
      // What is not a whole value, or not pasted into a first part, is refused.
      {kHeightWhole, "705", {}, {}},
      {kHeightWhole, "05", {1, 0}, {}},
      {kHeightWhole, "170.5", {}, {}},
      {kHeightHundredths, "70.5", {}, {}},
      {kWeight, "180.5", {}, {}},
      {61, "12345678", {}, {}},
      {62, "123456789", {}, {}},
  };
  CheckSplits(kNavigation, cases);
}

TEST(HeftrakKeyboard, FieldsHoldWhatTheProgramReadsAndTakeTheEditingShortcuts) {
  CheckLimits(kNavigation, &FieldChars, '7');
  CheckShortcuts(kNavigation);
}

TEST(HeftrakKeyboard, NeverMovesOutsideTheFieldTable) {
  CheckNeverOutside(kNavigation);
}

}  // namespace
}  // namespace heftrak
