// The keyboard rules of a program's entry fields, asked as EditProc asks
// them: helpers for the programs' tables of cases.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "shell/core/navigation.h"

namespace keyboard {

using shell::DecideKey;
using shell::Key;
using shell::KeyDecision;
using shell::KeyInput;
using shell::kNoMove;
using shell::NavigationRules;

constexpr bool S = true;  // the key is swallowed

// A character typed at `caret` into a field holding `length` characters.
inline KeyDecision Type(const NavigationRules& rules, int field, char ch, int caret = 0,
                        bool maleOnly = false, int length = 0) {
  KeyInput input;
  input.key = Key::Char;
  input.ch = ch;
  input.caret = caret;
  input.length = length;
  input.maleOnly = maleOnly;
  return DecideKey(rules, field, input);
}

inline KeyDecision Press(const NavigationRules& rules, int field, Key key, bool shift = false,
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

inline void ExpectMove(const KeyDecision& d, Move expected, const char* what, int field) {
  EXPECT_EQ(d.moveTo, expected.to) << what << " in " << field;
  EXPECT_EQ(d.swallow, expected.swallowed) << what << " in " << field;
}

inline void CheckRows(const NavigationRules& rules, std::span<const Row> rows) {
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

struct PasteCase {
  int field;
  std::string_view clipboard;
  const char* pasted;  // nullptr: refused
};

// A paste into an empty field takes what the field would take typed.
inline void CheckPastes(const NavigationRules& rules, std::span<const PasteCase> cases) {
  for (const PasteCase& c : cases) {
    const shell::PasteDecision d = shell::DecidePaste(rules, c.field, c.clipboard, {});
    EXPECT_EQ(d.accept, c.pasted != nullptr) << c.field << " '" << c.clipboard << "'";
    if (c.pasted != nullptr) {
      EXPECT_EQ(d.parts, 1) << c.field << " '" << c.clipboard << "'";
      EXPECT_FALSE(d.forgetUndo) << c.field << " '" << c.clipboard << "'";
      EXPECT_EQ(d.texts[0], c.pasted) << c.field << " '" << c.clipboard << "'";
    }
  }
}

struct CharCase {
  int field;
  char typed;
  char passed;  // 0: swallowed
};

inline void CheckCharacters(const NavigationRules& rules, std::span<const CharCase> cases) {
  for (const CharCase& c : cases) {
    const KeyDecision d = Type(rules, c.field, c.typed);
    EXPECT_EQ(d.ch, c.passed) << c.field << " '" << c.typed << "'";
    EXPECT_EQ(d.swallow, c.passed == 0) << c.field << " '" << c.typed << "'";
  }
}

struct AdvanceCase {
  int field;
  int caret;
  char typed;
  int moveTo;
};

inline void CheckAdvances(const NavigationRules& rules, std::span<const AdvanceCase> cases) {
  for (const AdvanceCase& c : cases) {
    const KeyDecision d = Type(rules, c.field, c.typed, c.caret, false, c.caret);
    EXPECT_EQ(d.moveTo, c.moveTo) << c.field << " caret " << c.caret << " '" << c.typed << "'";
  }
}

struct BackCase {
  int field;
  int caret;
  bool maleOnly;
  int backspaceTo;
  bool click;
  int leftTo;
};

inline void CheckBackAndLeft(const NavigationRules& rules, std::span<const BackCase> cases) {
  for (const BackCase& c : cases) {
    const KeyDecision back = Type(rules, c.field, '\b', c.caret, c.maleOnly);
    EXPECT_EQ(back.moveTo, c.backspaceTo) << c.field;
    EXPECT_EQ(back.clickMaleOnly, c.click) << c.field;
    EXPECT_EQ(back.ch, '\b') << c.field;  // always passed on
    EXPECT_FALSE(back.swallow) << c.field;
    const KeyDecision left = Press(rules, c.field, Key::Left, false, c.caret);
    EXPECT_EQ(left.moveTo, c.leftTo) << c.field;
    EXPECT_FALSE(left.clickMaleOnly || left.swallow) << c.field;
  }
}

struct RightCase {
  int field;
  std::string_view text;
  int caret;
  int moveTo;
};

inline void CheckRight(const NavigationRules& rules, std::span<const RightCase> cases) {
  for (const RightCase& c : cases) {
    const KeyDecision d = Press(rules, c.field, Key::Right, false, c.caret, c.text);
    EXPECT_EQ(d.moveTo, c.moveTo) << c.field << " \"" << c.text << "\" caret " << c.caret;
    EXPECT_FALSE(d.swallow);
  }
}

// Each field takes as many characters as `chars(field)` says and refuses the
// next one as it refuses a filtered key; so does a paste that would not fit.
inline void CheckLimits(const NavigationRules& rules, int (*chars)(int), char digit) {
  for (int field = 0; field < rules.slots; ++field) {
    const int limit = chars(field);
    if (limit == 0) {
      continue;
    }
    const char typed = field == rules.sexField ? 'M' : digit;
    const KeyDecision last = Type(rules, field, typed, limit - 1, false, limit - 1);
    EXPECT_EQ(last.ch, typed) << field;
    const KeyDecision past = Type(rules, field, typed, limit, false, limit);
    EXPECT_TRUE(past.swallow) << field;
    EXPECT_EQ(past.moveTo, kNoMove) << field;
    // Typing over a selection keeps the count.
    KeyInput over;
    over.key = Key::Char;
    over.ch = typed;
    over.length = limit;
    over.selected = 1;
    EXPECT_FALSE(DecideKey(rules, field, over).swallow) << field;
    const std::string full(static_cast<std::size_t>(limit), typed);
    EXPECT_TRUE(shell::DecidePaste(rules, field, full, {}).accept) << field;
    EXPECT_FALSE(shell::DecidePaste(rules, field, full, {1, 0}).accept) << field;
    EXPECT_TRUE(shell::DecidePaste(rules, field, full, {1, 1}).accept) << field;
  }
  // The rank box, in the field table or not: a megabyte pasted is refused at
  // once, as in every other dialog field.
  EXPECT_EQ(chars(67), 29);
  EXPECT_FALSE(shell::DecidePaste(rules, 67, std::string(1 << 20, '7'), {}).accept);
  EXPECT_TRUE(shell::DecidePaste(rules, 67, std::string(29, 'W'), {}).accept);
}

// Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z reach every field as the control
// characters they are; Ctrl+A selects the whole text of any field, the rank
// box's and a full field's too, and nothing of it is typed.
inline void CheckShortcuts(const NavigationRules& rules) {
  for (int field = 0; field <= rules.slots; ++field) {
    for (const char shortcut : {'\x03', '\x16', '\x18', '\x1a'}) {
      const KeyDecision d = Type(rules, field, shortcut, 0, false, 99);
      EXPECT_EQ(d.ch, shortcut) << field;
      EXPECT_FALSE(d.swallow) << field;
      EXPECT_FALSE(d.selectAll) << field;
    }
  }
  for (const int field : {0, rules.sexField, rules.firstDialogField, 67, rules.slots}) {
    const KeyDecision selectAll = Type(rules, field, '\x01', 1, false, 99);
    EXPECT_TRUE(selectAll.selectAll) << field;
    EXPECT_TRUE(selectAll.swallow) << field;
    EXPECT_EQ(selectAll.moveTo, kNoMove) << field;
  }
}

inline void CheckNeverOutside(const NavigationRules& rules) {
  const Key keys[] = {Key::Tab, Key::Left, Key::Right, Key::Up, Key::Down};
  for (int field = -2; field < rules.slots + 2; ++field) {
    for (int caret = 0; caret <= 3; ++caret) {
      for (bool shift : {false, true}) {
        for (Key key : keys) {
          const int to = Press(rules, field, key, shift, caret).moveTo;
          EXPECT_TRUE(to == kNoMove || (to >= 0 && to < rules.slots)) << field;
        }
      }
      for (char ch : {'\b', '\r', '5'}) {
        const int to = Type(rules, field, ch, caret).moveTo;
        EXPECT_TRUE(to == kNoMove || (to >= 0 && to < rules.slots)) << field;
      }
    }
  }
  // A field the table does not know is left alone.
  const KeyDecision stranger = Type(rules, rules.slots, 'x');
  EXPECT_EQ(stranger.ch, 'x');
  EXPECT_FALSE(stranger.swallow);
}

// A whole value pasted into its first part: every part's text, in order.
struct SplitCase {
  int field;
  std::string_view clipboard;
  shell::FieldContent content;
  std::array<const char*, 3> parts;  // {} : refused
};

inline void CheckSplits(const NavigationRules& rules, std::span<const SplitCase> cases) {
  for (const SplitCase& c : cases) {
    const shell::PasteDecision d = shell::DecidePaste(rules, c.field, c.clipboard, c.content);
    int expected = 0;
    while (expected < 3 && c.parts[static_cast<std::size_t>(expected)] != nullptr) {
      ++expected;
    }
    EXPECT_EQ(d.accept, expected > 0) << c.field << " '" << c.clipboard << "'";
    if (expected > 0) {
      EXPECT_EQ(d.parts, expected) << c.clipboard;
      // Undoing one part alone would show a value nobody entered.
      EXPECT_TRUE(d.forgetUndo) << c.clipboard;
      for (int k = 0; k < expected; ++k) {
        EXPECT_EQ(d.texts[static_cast<std::size_t>(k)], c.parts[static_cast<std::size_t>(k)])
            << c.clipboard;
      }
    }
  }
}

}  // namespace keyboard
