#include "shell/core/navigation.h"

#include <cstddef>

namespace shell {
namespace {

constexpr bool kSwallow = true;

// HEFTRAK: 0 Age, 1 Sex, 2/3 Height, 4 Weight, 5-16 the male readings, 23-46
// the female readings (odd whole inches, even hundredths), 61-68 the dialog.
constexpr SplitValue kHeftrakSplits[] = {
    {{2, 2}, 2},       // height
    {{5, 15, 2}, 2},   // abdomen and neck
    {{23, 45, 2}, 2},  // hips, forearm, neck, wrist
    {{61, 61}, 3},     // SSN first part
    {{62, 62}, 2},     // SSN second part, followed by the last
};

// Tab and Enter walk one reading (both of its fields) per step; Up and Down go
// to the same reading one row up or down. The right-aligned multi-line fields
// (29, 31, 33, 41, 43, 45) swallow the keys that would act inside them.
constexpr MoveRule kHeftrakMoves[] = {
    {Stroke::Enter, {2, 2}, Step::By, 2},
    {Stroke::Enter, {5, 13, 2}, Step::By, 2},
    {Stroke::Enter, {23, 27, 2}, Step::By, 2},
    {Stroke::Enter, {35, 39, 2}, Step::By, 2},
    {Stroke::Enter, {29, 33, 2}, Step::By, 2, kSwallow},
    {Stroke::Enter, {41, 43, 2}, Step::By, 2, kSwallow},
    {Stroke::Enter, {45, 45}, Step::Stay, 0, kSwallow},
    // Weight, the last neck reading and the last wrist field end their calculator.
    {Stroke::Enter, {4, 4}, Step::Stay, 0},
    {Stroke::Enter, {15, 16}, Step::Stay, 0},
    {Stroke::Enter, {46, 46}, Step::Stay, 0},
    {Stroke::Enter, {0, 71}, Step::By, 1},

    {Stroke::Tab, {2, 2}, Step::By, 2},
    {Stroke::Tab, {5, 13, 2}, Step::By, 2},
    {Stroke::Tab, {23, 43, 2}, Step::By, 2},
    {Stroke::Tab, {15, 16}, Step::To, 23},
    {Stroke::Tab, {45, 46}, Step::Stay, 0},
    {Stroke::Tab, {0, 71}, Step::By, 1},

    {Stroke::ShiftTab, {3, 4}, Step::By, -2},
    {Stroke::ShiftTab, {6, 7}, Step::By, -2},
    {Stroke::ShiftTab, {9, 15, 2}, Step::By, -2},
    {Stroke::ShiftTab, {25, 45, 2}, Step::By, -2},
    {Stroke::ShiftTab, {8, 16, 2}, Step::By, -3},
    {Stroke::ShiftTab, {26, 46, 2}, Step::By, -3},
    {Stroke::ShiftTab, {23, 24}, Step::To, 15},
    {Stroke::ShiftTab, {0, 0}, Step::Stay, 0},
    {Stroke::ShiftTab, {0, 71}, Step::By, -1},

    {Stroke::Up, {3, 4}, Step::By, -2},
    {Stroke::Up, {29, 33, 2}, Step::By, -6, kSwallow},
    {Stroke::Up, {41, 45, 2}, Step::By, -6, kSwallow},
    {Stroke::Up, {11, 16}, Step::By, -6},
    {Stroke::Up, {30, 46}, Step::By, -6},
    {Stroke::Up, {1, 2}, Step::By, -1},

    {Stroke::Down, {2, 2}, Step::To, 4},
    {Stroke::Down, {29, 33, 2}, Step::By, 6, kSwallow},
    {Stroke::Down, {0, 1}, Step::By, 1},
    {Stroke::Down, {3, 3}, Step::By, 1},
    {Stroke::Down, {5, 10}, Step::By, 6},
    {Stroke::Down, {23, 40}, Step::By, 6},
};

// VORNA: 0 Age, 1 Sex, 2 push-ups, 3 sit-ups, 4/5 run minutes and seconds,
// 8-14 the dialog.
constexpr SplitValue kVornaSplits[] = {
    {{4, 4}, 2},  // run time
    {{8, 8}, 3},  // SSN first part
    {{9, 9}, 2},  // SSN second part, followed by the last
};

constexpr MoveRule kVornaMoves[] = {
    {Stroke::Enter, {0, 3}, Step::By, 1},

    {Stroke::Tab, {5, 5}, Step::Stay, 0},      {Stroke::Tab, {0, 15}, Step::By, 1},

    {Stroke::ShiftTab, {0, 0}, Step::Stay, 0}, {Stroke::ShiftTab, {0, 15}, Step::By, -1},

    {Stroke::Up, {5, 5}, Step::To, 3},  // run seconds sit beside minutes, below sit-ups
    {Stroke::Up, {0, 0}, Step::Stay, 0},       {Stroke::Up, {0, 15}, Step::By, -1},

    {Stroke::Down, {0, 3}, Step::By, 1},
};

// Digits of the first part of a split value, 0 when `field` is none.
int FirstPartDigits(const NavigationRules& rules, int field) {
  for (const SplitValue& split : rules.splits) {
    if (split.firstParts.Contains(field)) {
      return split.digits;
    }
  }
  return 0;
}

bool IsSecondPart(const NavigationRules& rules, int field) {
  return FirstPartDigits(rules, field - 1) > 0;
}

bool InTable(const NavigationRules& rules, int field) {
  return field >= 0 && field < rules.slots;
}

void MoveTo(const NavigationRules& rules, int target, KeyDecision& decision) {
  decision.moveTo = InTable(rules, target) ? target : kNoMove;
}

void ApplyMoveRules(const NavigationRules& rules, Stroke stroke, int field, KeyDecision& decision) {
  const bool dialogHandles =
      stroke == Stroke::Enter || stroke == Stroke::Tab || stroke == Stroke::ShiftTab;
  if (dialogHandles && field >= rules.firstDialogField) {
    return;
  }
  for (const MoveRule& rule : rules.moves) {
    if (rule.stroke != stroke || !rule.fields.Contains(field)) {
      continue;
    }
    decision.swallow = rule.swallow;
    if (rule.step == Step::By) {
      MoveTo(rules, field + rule.amount, decision);
    } else if (rule.step == Step::To) {
      MoveTo(rules, rule.amount, decision);
    }
    return;
  }
}

// The caret stands in or after the last digit cell of a first part of `digits`
// digits, or at the end of a shorter text.
bool CaretAtEndOfFirstPart(int caret, std::string_view text, int digits) {
  if (caret >= digits) {
    return true;
  }
  return caret >= 0 && static_cast<std::size_t>(caret) >= text.size();
}

char PassedCharacter(const NavigationRules& rules, int field, char ch) {
  if (field == rules.sexField) {
    const char upper = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
    return (upper == 'M' || upper == 'F') ? upper : 0;
  }
  if (field < rules.freeTextLimit) {
    return (ch >= '0' && ch <= '9') ? ch : 0;
  }
  return ch;
}

KeyDecision DecideCharacter(const NavigationRules& rules, int field, const KeyInput& input) {
  KeyDecision decision;
  decision.ch = input.ch;
  if (input.ch == '\b') {
    if (field == rules.sexField && input.maleOnly) {
      decision.clickMaleOnly = true;
    } else if (IsSecondPart(rules, field) && input.caret <= 0) {
      MoveTo(rules, field - 1, decision);
    }
    return decision;
  }
  if (input.ch == '\r') {
    ApplyMoveRules(rules, Stroke::Enter, field, decision);
    if (decision.swallow) {
      decision.ch = 0;
    }
    return decision;
  }
  decision.ch = PassedCharacter(rules, field, input.ch);
  if (decision.ch == 0) {
    decision.swallow = true;
    return decision;
  }
  // The character about to be typed fills the first part: go on to the next.
  const int digits = FirstPartDigits(rules, field);
  if (digits > 0 && input.caret == digits - 1) {
    MoveTo(rules, field + 1, decision);
  }
  return decision;
}

}  // namespace

const NavigationRules kHeftrakNavigation = {
    .slots = 72,
    .freeTextLimit = 64,
    .sexField = 1,
    .firstDialogField = 60,
    .chartPaging = false,
    .splits = kHeftrakSplits,
    .moves = kHeftrakMoves,
};

const NavigationRules kVornaNavigation = {
    .slots = 16,
    .freeTextLimit = 11,
    .sexField = 1,
    .firstDialogField = 6,
    .chartPaging = true,
    .splits = kVornaSplits,
    .moves = kVornaMoves,
};

KeyDecision DecideKey(const NavigationRules& rules, int field, const KeyInput& input) {
  KeyDecision decision;
  if (!InTable(rules, field)) {
    decision.ch = input.ch;  // not one of ours: leave it to the field
    return decision;
  }
  switch (input.key) {
    case Key::Char:
      return DecideCharacter(rules, field, input);
    case Key::Tab:
      ApplyMoveRules(rules, input.shift ? Stroke::ShiftTab : Stroke::Tab, field, decision);
      break;
    case Key::Up:
      ApplyMoveRules(rules, Stroke::Up, field, decision);
      break;
    case Key::Down:
      ApplyMoveRules(rules, Stroke::Down, field, decision);
      break;
    case Key::Left:
      if (IsSecondPart(rules, field) && input.caret <= 0) {
        MoveTo(rules, field - 1, decision);
      }
      break;
    case Key::Right: {
      const int digits = FirstPartDigits(rules, field);
      if (digits > 0 && CaretAtEndOfFirstPart(input.caret, input.text, digits)) {
        MoveTo(rules, field + 1, decision);
      }
      break;
    }
    case Key::PageUp:
    case Key::PageDown:
      if (rules.chartPaging) {
        decision.scroll = input.key == Key::PageUp ? ChartScroll::PageUp : ChartScroll::PageDown;
      }
      break;
    case Key::Other:
      break;
  }
  return decision;
}

PasteDecision DecidePaste(const NavigationRules& rules, int field, std::string_view clipboard) {
  PasteDecision decision;
  if (!InTable(rules, field) || field >= rules.freeTextLimit) {
    decision.accept = true;
    decision.text = clipboard;
    return decision;
  }
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = clipboard.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return decision;
  }
  const std::size_t last = clipboard.find_last_not_of(kBlanks);
  for (const char ch : clipboard.substr(first, last - first + 1)) {
    const char passed = PassedCharacter(rules, field, ch);
    if (passed == 0) {
      decision.text.clear();
      return decision;
    }
    decision.text += passed;
  }
  decision.accept = true;
  return decision;
}

}  // namespace shell
