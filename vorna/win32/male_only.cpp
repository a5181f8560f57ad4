#include "vorna/win32/male_only.h"

#include "shell/core/drawing_geometry.h"
#include "shell/win32/app.h"
#include "shell/win32/fields.h"
#include "vorna/core/evaluation.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/paint.h"
#include "vorna/win32/wiping.h"

namespace vorna {

namespace {

void SwitchOff(HWND window) {
  FitnessTestWindow& w = Window();
  w.state.maleOnly = false;
  DrawOnWindow(window, [&](HDC dc) { DrawMaleOnlyOffOn(dc, w.layout); });
}

void SwitchOn(HWND window) {
  FitnessTestWindow& w = Window();
  TestState& state = w.state;
  HWND sexField = shell::App().fields.At(kSex);
  char sex[2] = {};
  shell::ReadFieldText(sexField, sex, sizeof sex);
  state.sex = sex[0];
  state.maleOnly = true;
  DrawOnWindow(window, [&](HDC dc) { DrawMaleOnlyOn(dc, w.layout, true); });
  if (state.sex != 'M') {
    if (state.accepted) {
      DrawOnWindow(window, [&](HDC dc) { WipeChartTitleOn(dc, w.layout); });
    }
    SendMessageA(sexField, EM_SETSEL, 0, -1);
    SetFocus(sexField);
    // The change notification of this write takes back the acceptance and
    // the results, but it is not a user's edit that would end Male Only.
    state.writingSex = true;
    shell::SetFieldText(sexField, "M");
    DrawOnWindow(window, [&](HDC dc) { DrawFramesOn(dc, w.layout.sexFrame); });
    state.writingSex = false;
    state.sex = 'M';
  }
  if (state.resultsShown) {
    for (int box = 0; box < kResultBoxCount; ++box) {
      WipeResult(window, box);
    }
    // Nothing is scored any more, so there is nothing to print either.
    WithdrawResults();
    DrawOnWindow(window, [&](HDC dc) { DrawMessageLineOn(dc, w.layout); });
    w.messageOnLine = 0;
  }
}

}  // namespace

void ToggleMaleOnly(HWND window) {
  if (Window().state.maleOnly) {
    SwitchOff(window);
  } else {
    SwitchOn(window);
  }
}

void OnMainWindowClick(HWND window, int x, int y) {
  const WindowLayout& layout = Window().layout;
  if (shell::App().syntheticClick ||
      shell::InsideOption(layout.maleOnly, layout.optionHeight, x, y)) {
    ToggleMaleOnly(window);
  }
}

}  // namespace vorna
