#include "shell/core/navigation.h"

#include <gtest/gtest.h>

#include <string_view>

namespace shell {
namespace {

constexpr bool S = true;  // the key is swallowed

KeyDecision Type(const NavigationRules& rules, int field, char ch, int caret = 0,
                 bool maleOnly = false) {
  KeyInput input;
  input.key = Key::Char;
  input.ch = ch;
  input.caret = caret;
  input.maleOnly = maleOnly;
  return DecideKey(rules, field, input);
}

KeyDecision Press(const NavigationRules& rules, int field, Key key, bool shift = false,
                  int caret = 0, std::string_view text = {}) {
  KeyInput input;
  input.key = key;
  input.shift = shift;
  input.caret = caret;
  input.text = text;
  return DecideKey(rules, field, input);
}

// Where the focus goes (kNoMove: it stays) and whether the key is swallowed.
struct Move {
  int to = kNoMove;
  bool swallowed = false;
};

struct Row {
  int field;
  Move enter, tab, shiftTab, up, down;
};

void ExpectMove(const KeyDecision& d, Move expected, const char* what, int field) {
  EXPECT_EQ(d.moveTo, expected.to) << what << " in " << field;
  EXPECT_EQ(d.swallow, expected.swallowed) << what << " in " << field;
}

void CheckRows(const NavigationRules& rules, std::span<const Row> rows) {
  for (const Row& r : rows) {
    const KeyDecision enter = Type(rules, r.field, '\r');
    ExpectMove(enter, r.enter, "Enter", r.field);
    EXPECT_EQ(enter.ch, r.enter.swallowed ? 0 : '\r') << r.field;
    ExpectMove(Press(rules, r.field, Key::Tab), r.tab, "Tab", r.field);
    ExpectMove(Press(rules, r.field, Key::Tab, true), r.shiftTab, "Shift+Tab", r.field);
    ExpectMove(Press(rules, r.field, Key::Up), r.up, "Up", r.field);
    ExpectMove(Press(rules, r.field, Key::Down), r.down, "Down", r.field);
  }
}

TEST(Navigation, HeftrakEnterTabAndArrowsWalkTheReadings) {
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
  CheckRows(kHeftrakNavigation, rows);
}

TEST(Navigation, VornaEnterTabAndArrows) {
  const Row rows[] = {
      // field, Enter, Tab, Shift+Tab, Up, Down
      {0, {1}, {1}, {}, {}, {1}},   {1, {2}, {2}, {0}, {0}, {2}}, {2, {3}, {3}, {1}, {1}, {3}},
      {3, {4}, {4}, {2}, {2}, {4}}, {4, {}, {5}, {3}, {3}, {}},   {5, {}, {}, {4}, {3}, {}},
      {9, {}, {}, {}, {8}, {}},     {11, {}, {}, {}, {10}, {}},   {14, {}, {}, {}, {13}, {}},
  };
  CheckRows(kVornaNavigation, rows);
}

struct PasteCase {
  const NavigationRules* rules;
  int field;
  std::string_view clipboard;
  const char* pasted;  // nullptr: refused
};

TEST(Navigation, PastedTextPassesTheSameFilterAsTypedText) {
  const NavigationRules* h = &kHeftrakNavigation;
  const NavigationRules* v = &kVornaNavigation;
  const PasteCase cases[] = {
      {v, 4, "13", "13"},
      {v, 4, "ab", nullptr},
      {v, 2, "7a", nullptr},
      {v, 2, "75\r\n", "75"},
      {v, 2, " \t75 ", "75"},
      {v, 2, "7 5", nullptr},
      {v, 2, "-5", nullptr},
      {v, 2, "", nullptr},
      {v, 2, "\r\n", nullptr},
      {h, 4, "195", "195"},
      {h, 3, ".25", nullptr},
      {h, 29, "1\r\n2", nullptr},
      {h, 1, "m", "M"},
      {h, 1, "f\n", "F"},
      {v, 1, "x", nullptr},
      {h, 0, "25\xe9", nullptr},
      {h, 61, "123", "123"},
      {h, 61, "12a", nullptr},
      {h, 64, "O'Neil, Jr.", "O'Neil, Jr."},
      {v, 12, " Ann\r\n", " Ann\r\n"},
  };
  for (const PasteCase& c : cases) {
    const PasteDecision d = DecidePaste(*c.rules, c.field, c.clipboard);
    EXPECT_EQ(d.accept, c.pasted != nullptr) << c.field << " '" << c.clipboard << "'";
    if (c.pasted != nullptr) {
      EXPECT_EQ(d.text, c.pasted) << c.field << " '" << c.clipboard << "'";
    }
  }
}

struct CharCase {
  const NavigationRules* rules;
  int field;
  char typed;
  char passed;  // 0: swallowed
};

TEST(Navigation, CharacterFilter) {
  const NavigationRules* h = &kHeftrakNavigation;
  const NavigationRules* v = &kVornaNavigation;
  const CharCase cases[] = {
      {h, 1, 'm', 'M'},        {h, 1, 'f', 'F'},  {h, 1, 'M', 'M'},  {h, 1, 'x', 0},
      {h, 1, '5', 0},          {v, 1, 'm', 'M'},  {v, 1, 'F', 'F'},  {v, 1, 'a', 0},
      {h, 0, '7', '7'},        {h, 0, 'a', 0},    {h, 4, 'x', 0},    {h, 5, 'a', 0},
      {h, 3, '.', 0},          {h, 29, '\n', 0},  {h, 29, '\t', 0},  {h, 2, '\xe9', 0},
      {h, 61, 'a', 0},         {h, 63, '9', '9'}, {v, 2, 'a', 0},    {v, 10, 'Z', 0},
      {h, 64, 'a', 'a'},       {h, 65, '-', '-'}, {h, 66, 'q', 'q'}, {h, 68, '/', '/'},
      {h, 64, '\xe9', '\xe9'}, {v, 11, 'a', 'a'}, {v, 12, 'B', 'B'}, {v, 13, 'c', 'c'},
      {v, 14, '3', '3'},
  };
  for (const CharCase& c : cases) {
    const KeyDecision d = Type(*c.rules, c.field, c.typed);
    EXPECT_EQ(d.ch, c.passed) << c.field << " '" << c.typed << "'";
    EXPECT_EQ(d.swallow, c.passed == 0) << c.field << " '" << c.typed << "'";
  }
}

struct AdvanceCase {
  const NavigationRules* rules;
  int field;
  int caret;
  char typed;
  int moveTo;
};

TEST(Navigation, FullFirstPartAdvancesOnlyWhenTheCharacterPasses) {
  const NavigationRules* h = &kHeftrakNavigation;
  const NavigationRules* v = &kVornaNavigation;
  const AdvanceCase cases[] = {
      {h, 2, 0, '7', kNoMove},  {h, 2, 1, '0', 3},       {h, 2, 1, 'x', kNoMove},
      {h, 2, 2, '5', kNoMove},  {h, 5, 1, '3', 6},       {h, 15, 1, '1', 16},
      {h, 23, 1, '4', 24},      {h, 45, 1, '7', 46},     {h, 3, 1, '5', kNoMove},
      {h, 0, 1, '2', kNoMove},  {h, 4, 2, '0', kNoMove}, {h, 61, 1, '1', kNoMove},
      {h, 61, 2, '3', 62},      {h, 62, 1, '4', 63},     {h, 63, 3, '9', kNoMove},
      {h, 64, 1, 'a', kNoMove}, {v, 4, 1, '1', 5},       {v, 5, 1, '5', kNoMove},
      {v, 8, 2, '3', 9},        {v, 8, 1, '2', kNoMove}, {v, 9, 1, '4', 10},
      {v, 10, 3, '9', kNoMove}, {v, 2, 1, '5', kNoMove}, {v, 0, 1, '2', kNoMove},
  };
  for (const AdvanceCase& c : cases) {
    const KeyDecision d = Type(*c.rules, c.field, c.typed, c.caret);
    EXPECT_EQ(d.moveTo, c.moveTo) << c.field << " caret " << c.caret << " '" << c.typed << "'";
  }
  // The digit that moves the focus is still passed on, into the field it was typed in.
  const KeyDecision zero = Type(kHeftrakNavigation, 2, '0', 1);
  EXPECT_EQ(zero.ch, '0');
  EXPECT_FALSE(zero.swallow);
}

struct BackCase {
  const NavigationRules* rules;
  int field;
  int caret;
  bool maleOnly;
  int backspaceTo;
  bool click;
  int leftTo;
};

TEST(Navigation, BackspaceAndLeftAtTheStartOfASecondPart) {
  const NavigationRules* h = &kHeftrakNavigation;
  const NavigationRules* v = &kVornaNavigation;
  const BackCase cases[] = {
      {h, 3, 0, false, 2, false, 2},
      {h, 3, 1, false, kNoMove, false, kNoMove},
      {h, 6, 0, false, 5, false, 5},
      {h, 16, 0, false, 15, false, 15},
      {h, 24, 0, false, 23, false, 23},
      {h, 46, 0, false, 45, false, 45},
      {h, 62, 0, false, 61, false, 61},
      {h, 63, 0, false, 62, false, 62},
      {h, 2, 0, false, kNoMove, false, kNoMove},
      {h, 5, 0, false, kNoMove, false, kNoMove},
      {h, 4, 0, false, kNoMove, false, kNoMove},
      {h, 23, 0, false, kNoMove, false, kNoMove},
      {h, 3, 0, true, 2, false, 2},
      {h, 1, 0, true, kNoMove, true, kNoMove},
      {h, 1, 1, false, kNoMove, false, kNoMove},
      {v, 5, 0, false, 4, false, 4},
      {v, 9, 0, false, 8, false, 8},
      {v, 10, 0, false, 9, false, 9},
      {v, 4, 0, false, kNoMove, false, kNoMove},
      {v, 1, 1, true, kNoMove, true, kNoMove},
  };
  for (const BackCase& c : cases) {
    const KeyDecision back = Type(*c.rules, c.field, '\b', c.caret, c.maleOnly);
    EXPECT_EQ(back.moveTo, c.backspaceTo) << c.field;
    EXPECT_EQ(back.clickMaleOnly, c.click) << c.field;
    EXPECT_EQ(back.ch, '\b') << c.field;  // always passed on
    EXPECT_FALSE(back.swallow) << c.field;
    const KeyDecision left = Press(*c.rules, c.field, Key::Left, false, c.caret);
    EXPECT_EQ(left.moveTo, c.leftTo) << c.field;
    EXPECT_FALSE(left.clickMaleOnly || left.swallow) << c.field;
  }
}

struct RightCase {
  const NavigationRules* rules;
  int field;
  std::string_view text;
  int caret;
  int moveTo;
};

TEST(Navigation, RightLeavesAFirstPartFromItsEnd) {
  const NavigationRules* h = &kHeftrakNavigation;
  const NavigationRules* v = &kVornaNavigation;
  const RightCase cases[] = {
      {h, 2, "", 0, 3},          {h, 2, "7", 1, 3},        {h, 2, "7", 0, kNoMove},
      {h, 2, "70", 1, kNoMove},  {h, 2, "70", 2, 3},       {h, 2, "705", 2, 3},
      {h, 15, "1", 1, 16},       {h, 45, "", 0, 46},       {h, 3, "", 0, kNoMove},
      {h, 4, "", 0, kNoMove},    {h, 0, "", 0, kNoMove},   {h, 61, "1", 1, 62},
      {h, 61, "12", 1, kNoMove}, {h, 61, "12", 2, 62},     {h, 61, "123", 2, kNoMove},
      {h, 61, "123", 3, 62},     {h, 62, "1", 1, 63},      {h, 63, "", 0, kNoMove},
      {v, 4, "", 0, 5},          {v, 4, "12", 1, kNoMove}, {v, 8, "12", 2, 9},
      {v, 9, "", 0, 10},         {v, 5, "", 0, kNoMove},   {v, 2, "", 0, kNoMove},
  };
  for (const RightCase& c : cases) {
    const KeyDecision d = Press(*c.rules, c.field, Key::Right, false, c.caret, c.text);
    EXPECT_EQ(d.moveTo, c.moveTo) << c.field << " \"" << c.text << "\" caret " << c.caret;
    EXPECT_FALSE(d.swallow);
  }
}

TEST(Navigation, PageKeysScrollOnlyTheVornaChart) {
  for (int field : {0, 3, 5, 9}) {
    const KeyDecision up = Press(kVornaNavigation, field, Key::PageUp);
    const KeyDecision down = Press(kVornaNavigation, field, Key::PageDown);
    EXPECT_EQ(up.scroll, ChartScroll::PageUp) << field;
    EXPECT_EQ(down.scroll, ChartScroll::PageDown) << field;
    EXPECT_FALSE(up.swallow || down.swallow || up.moveTo != kNoMove) << field;
  }
  EXPECT_EQ(Press(kHeftrakNavigation, 5, Key::PageDown).scroll, ChartScroll::None);
}

TEST(Navigation, NeverMovesOutsideTheFieldTable) {
  const Key keys[] = {Key::Tab, Key::Left, Key::Right, Key::Up, Key::Down};
  for (const NavigationRules* rules : {&kHeftrakNavigation, &kVornaNavigation}) {
    for (int field = -2; field < rules->slots + 2; ++field) {
      for (int caret = 0; caret <= 3; ++caret) {
        for (bool shift : {false, true}) {
          for (Key key : keys) {
            const int to = Press(*rules, field, key, shift, caret).moveTo;
            EXPECT_TRUE(to == kNoMove || (to >= 0 && to < rules->slots)) << field;
          }
        }
        for (char ch : {'\b', '\r', '5'}) {
          const int to = Type(*rules, field, ch, caret).moveTo;
          EXPECT_TRUE(to == kNoMove || (to >= 0 && to < rules->slots)) << field;
        }
      }
    }
  }
  // A field the table does not know is left alone.
  const KeyDecision stranger = Type(kHeftrakNavigation, 72, 'x');
  EXPECT_EQ(stranger.ch, 'x');
  EXPECT_FALSE(stranger.swallow);
}

}  // namespace
}  // namespace shell
