#include "shell/core/navigation.h"

#include <cstddef>
#include <utility>

#include "shell/core/split_entry.h"

namespace shell {
namespace {

// The split value whose first part `field` is, or nullptr.
const SplitValue* SplitOf(const NavigationRules& rules, int field) {
  for (const SplitValue& split : rules.splits) {
    if (split.firstParts.Contains(field)) {
      return &split;
    }
  }
  return nullptr;
}

// Digits of the first part of a split value, 0 when `field` is none.
int FirstPartDigits(const NavigationRules& rules, int field) {
  const SplitValue* split = SplitOf(rules, field);
  return split != nullptr ? split->digits : 0;
}

int FieldChars(const NavigationRules& rules, int field) {
  return rules.fieldChars != nullptr ? rules.fieldChars(field) : 0;
}

// Characters a field has room for besides those a typed or pasted text keeps.
bool Fits(const NavigationRules& rules, int field, const FieldContent& content, std::size_t added) {
  const int limit = FieldChars(rules, field);
  if (limit <= 0) {
    return true;
  }
  const long long kept = static_cast<long long>(content.length) - content.selected;
  return kept + static_cast<long long>(added) <= limit;
}

// The editing shortcuts (Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z) reach a field
// as control characters. They are commands, not text, so no field's filter
// takes them away; the field's own procedure carries them out, and a paste
// comes back through the paste filter. Ctrl+A is the exception: a single-line
// edit control ignores it (before Windows Vista, and under Wine), so it is
// carried out here.
constexpr char kSelectAll = 0x01;

bool IsEditingShortcut(char ch) {
  return ch == 0x03 || ch == 0x16 || ch == 0x18 || ch == 0x1A;
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
  if (IsEditingShortcut(input.ch)) {
    return decision;
  }
  decision.ch = PassedCharacter(rules, field, input.ch);
  // A character the field has no room for is refused like a filtered one, so
  // the field never holds more than the program reads of it.
  if (decision.ch != 0 && !Fits(rules, field, {input.length, input.selected}, 1)) {
    decision.ch = 0;
  }
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

// A whole value pasted into the first part of its split value: every part
// filled, provided each part's text is one the part would take.
PasteDecision SplitPaste(const NavigationRules& rules, int field, std::string_view pasted) {
  PasteDecision decision;
  const SplitValue* split = SplitOf(rules, field);
  if (split == nullptr) {
    return decision;
  }
  std::array<std::string, 3> parts;
  int count = 0;
  switch (split->kind) {
    case SplitKind::Inches:
      // Only a figure with its point is a whole height or reading: digits
      // alone that do not fit are too many for the whole inches.
      if (const auto inches =
              pasted.find('.') != std::string_view::npos ? SplitInches(pasted) : std::nullopt) {
        parts = {std::string((*inches)[0]), std::string((*inches)[1]), {}};
        count = 2;
      }
      break;
    case SplitKind::RunTime:
      if (const auto time = SplitRunTime(pasted)) {
        parts = {std::string((*time)[0]), std::string((*time)[1]), {}};
        count = 2;
      }
      break;
    case SplitKind::Ssn:
      if (const auto ssn = SplitSsn(pasted)) {
        parts = *ssn;
        count = 3;
      }
      break;
    case SplitKind::None:
      break;
  }
  for (int k = 0; k < count; ++k) {
    const int part = field + k;
    const auto& text = parts[static_cast<std::size_t>(k)];
    if (!InTable(rules, part) || !Fits(rules, part, {}, text.size())) {
      return decision;
    }
  }
  if (count > 0) {
    decision.accept = true;
    decision.texts = std::move(parts);
    decision.parts = count;
    decision.forgetUndo = true;
  }
  return decision;
}

}  // namespace

KeyDecision DecideKey(const NavigationRules& rules, int field, const KeyInput& input) {
  KeyDecision decision;
  if (input.key == Key::Char && input.ch == kSelectAll) {
    // Any field, the rank box's text among them.
    decision.selectAll = true;
    decision.swallow = true;
    return decision;
  }
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

PasteDecision DecidePaste(const NavigationRules& rules, int field, std::string_view clipboard,
                          const FieldContent& content) {
  PasteDecision decision;
  if (!InTable(rules, field) || field >= rules.freeTextLimit) {
    if (Fits(rules, field, content, clipboard.size())) {
      decision.accept = true;
      decision.texts[0] = clipboard;
      decision.parts = 1;
    }
    return decision;
  }
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = clipboard.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return decision;
  }
  const std::size_t last = clipboard.find_last_not_of(kBlanks);
  const std::string_view pasted = clipboard.substr(first, last - first + 1);
  std::string filtered;
  for (const char ch : pasted) {
    const char passed = PassedCharacter(rules, field, ch);
    if (passed == 0) {
      filtered.clear();
      break;
    }
    filtered += passed;
  }
  if (!filtered.empty() && Fits(rules, field, content, filtered.size())) {
    decision.accept = true;
    decision.texts[0] = std::move(filtered);
    decision.parts = 1;
    return decision;
  }
  return SplitPaste(rules, field, pasted);
}

}  // namespace shell
