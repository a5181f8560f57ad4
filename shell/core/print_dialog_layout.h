// Where every control, label and frame of the personal data dialog stands.
#pragma once

#include <array>

#include "shell/core/drawing_geometry.h"
#include "shell/core/label.h"
#include "shell/core/layout_grid.h"
#include "shell/core/report.h"

namespace shell {

// The dialog's field identifiers differ between the programs; the rank box
// is 67 in both.
struct PrintDialogIds {
  int ssn[3];
  int lastName;
  int firstName;
  int middleInitial;
  int date;
};

inline constexpr int kRankBoxId = 67;

// How many characters a field of the dialog holds: what the report prints of
// it. 0 for a field that is not the dialog's.
constexpr int PrintDialogFieldChars(const PrintDialogIds& ids, int field) {
  for (int part = 0; part < 3; ++part) {
    if (field == ids.ssn[part]) {
      return static_cast<int>(kSsnPartChars[part]);
    }
  }
  const bool named = field == ids.lastName || field == ids.firstName ||
                     field == ids.middleInitial || field == ids.date || field == kRankBoxId;
  return named ? static_cast<int>(kPersonalFieldChars) : 0;
}
inline constexpr int kPrintButtonId = 200;
inline constexpr int kExitButtonId = 201;

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct PrintDialogLayout {
  ButtonPlace printButton;
  ButtonPlace exitButton;
  FieldPlacement lastName, firstName, middleInitial;
  std::array<FieldPlacement, 3> ssn;
  Box rankBox;  // the drop-down list included
  FieldPlacement date;
  std::array<Label, 6> labels;
  std::array<Stack, 5> frames;   // white field frames
  std::array<Label, 2> slashes;  // between the SSN parts
};

PrintDialogLayout LayoutPrintDialog(const LayoutGrid& grid, const PrintDialogIds& ids);

}  // namespace shell
