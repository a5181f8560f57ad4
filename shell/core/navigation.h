// What an entry field does with a key: filter the typed character, move the
// focus to another field by its identifier, swallow the key, switch "Male Only"
// off, or page the scoring chart. The window layer asks DecideKey for every
// character and key-down message of a field and carries the answer out; the
// rules themselves are plain data, one set per program.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace shell {

// The message as the window layer sees it. Key::Char stands for a character
// message (Backspace and Enter arrive as the characters '\b' and '\r'); every
// other value is a key-down message.
enum class Key { Char, Tab, Left, Right, Up, Down, PageUp, PageDown, Other };

struct KeyInput {
  Key key = Key::Other;
  char ch = 0;            // Key::Char: the character typed
  bool shift = false;     // Key::Tab: Shift is held (Shift+Tab)
  int caret = 0;          // the caret's character position; 0 is the start of the field
  int length = 0;         // Key::Char: characters in the field
  int selected = 0;       // Key::Char: characters selected, which a typed one replaces
  std::string_view text;  // Key::Right: the field's text; no more than 3 characters matter
  bool maleOnly = false;  // the main window's "Male Only" option is on
};

enum class ChartScroll { None, PageUp, PageDown };

inline constexpr int kNoMove = -1;

// Carried out in this order: the click, the chart scroll, the focus move, the
// selection, and last the message is passed on to the field where it was
// typed (so a character that moves the focus still lands in its own field).
struct KeyDecision {
  bool clickMaleOnly = false;  // send the main window the synthetic click on "Male Only"
  ChartScroll scroll = ChartScroll::None;
  int moveTo = kNoMove;    // field to focus; an empty slot in the table means no move
  bool selectAll = false;  // select the field's whole text (Ctrl+A)
  bool swallow = false;    // pass code 0 on instead of the character or key
  char ch = 0;             // Key::Char: the character to pass on (0 when swallowed)
};

// Identifiers first, first + step, ... up to last.
struct FieldRange {
  int first = 0;
  int last = 0;
  int step = 1;
  constexpr bool Contains(int id) const {
    return id >= first && id <= last && (id - first) % step == 0;
  }
};

// How a whole value pasted into the first part of a split value is taken
// apart (none: the part takes only what fits it).
enum class SplitKind { None, Inches, RunTime, Ssn };

// A value typed into two fields (whole inches and hundredths, minutes and
// seconds, SSN parts): the first part holds `digits` digits and is followed by
// its second part at identifier + 1.
struct SplitValue {
  FieldRange firstParts;
  int digits = 2;
  SplitKind kind = SplitKind::None;
};

// The keys whose focus moves depend on the field alone.
enum class Stroke { Enter, Tab, ShiftTab, Up, Down };

// Stay: the focus stays (the rule still ends the search); By: identifier +
// amount; To: identifier `amount`.
enum class Step { Stay, By, To };

struct MoveRule {
  Stroke stroke;
  FieldRange fields;
  Step step;
  int amount;
  bool swallow = false;
};

struct NavigationRules {
  int slots;             // size of the field table; moves stay inside it
  int freeTextLimit;     // fields from here on take any character, those below digits only
  int sexField;          // takes M or F only, upper-cased
  int firstDialogField;  // the personal data dialog's fields, whose Tab and Enter the
                         // dialog manager handles: no Tab or Enter rule applies to them
  bool chartPaging;      // Page Up / Page Down scroll the scoring chart
  // How many characters a field holds: what the program reads of it, so that
  // what a field shows is all that counts (a result: the widest figure it
  // shows). 0: no field there.
  int (*fieldChars)(int field);
  std::span<const SplitValue> splits;
  std::span<const MoveRule> moves;  // the first rule matching stroke and field wins
};

KeyDecision DecideKey(const NavigationRules& rules, int field, const KeyInput& input);

// The characters a field holds and how many of them are selected.
struct FieldContent {
  int length = 0;
  int selected = 0;
};

// What a field takes from the clipboard. The key filter never sees pasted
// text, so it is checked here against the same rules: blanks and line ends
// around it are dropped (a copied spreadsheet cell ends in one), then every
// character must be one the field would take typed, the Sex letter upper-cased,
// and the result must fit the field. Anything else is refused whole, rather
// than cut short or left for the evaluation to read as no digits. Free-text
// fields take the clipboard as it is, when it fits.
//
// A whole height, reading, run time or SSN pasted into the first part of its
// split value fills every part: the parts' texts replace what they held. Each
// field undoes only its own last edit, so undoing one part alone would show a
// value nobody entered (12:30, 15:54 pasted, then 12:54): such a paste leaves
// no part anything to undo.
struct PasteDecision {
  bool accept = false;
  // parts 1: texts[0] replaces the selection of the field pasted into.
  // parts 2 or 3: texts[k] becomes the whole text of field + k.
  std::array<std::string, 3> texts;
  int parts = 0;
  bool forgetUndo = false;  // every part forgets what it could undo
};

PasteDecision DecidePaste(const NavigationRules& rules, int field, std::string_view clipboard,
                          const FieldContent& content);

}  // namespace shell
