#include "vorna/win32/clear.h"

#include "shell/win32/app.h"
#include "shell/win32/fields.h"
#include "vorna/core/evaluation.h"
#include "vorna/win32/chart_list.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/paint.h"

namespace vorna {

void ClearTest(HWND window) {
  FitnessTestWindow& w = Window();
  TestState& state = w.state;
  if (state.accepted) {
    EmptyChart(window);
    state.accepted = false;
  }
  // With Male Only on, the Sex field is emptied and refilled with "M" by the
  // program: neither write is the user choosing a sex.
  if (state.maleOnly) {
    state.writingSex = true;
  }
  // Each field's change notification wipes what depended on it. The fields
  // are emptied without the clipboard: whatever the user copied stays there.
  for (int field = kAge; field < kEntryFieldCount; ++field) {
    shell::EmptyField(shell::App().fields.At(field));
  }
  if (state.maleOnly) {
    shell::SetFieldText(shell::App().fields.At(kSex), "M");
    state.writingSex = false;
  }
  DrawOnWindow(window, [&](HDC dc) {
    DrawMessageLineOn(dc, w.layout);
    DrawResultLabelOn(dc, w.layout, kPushupBox, kGrey);
  });
  w.messageOnLine = 0;
  // The Sex field becomes the current field even when it has the focus already.
  state.currentField = kSex;
  SetFocus(shell::App().fields.At(kSex));
}

}  // namespace vorna
