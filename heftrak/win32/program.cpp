#include "heftrak/win32/program.h"

#include "heftrak/core/keyboard.h"
#include "heftrak/core/layout.h"
#include "heftrak/core/reactions.h"
#include "heftrak/resources/heftrak_ids.h"
#include "heftrak/win32/main_window.h"
#include "shell/win32/replay.h"

namespace heftrak {

const shell::ProgramDescription& Program() {
  static const shell::ProgramView view = {
      &ClearPrompt, &ShowMessage, &PaintExtraLine, nullptr, nullptr, &CarryOutProgramRequest,
  };
  static const shell::ProgramDescription program = {
      "Weight Control Calculator",
      "Weight Control Calculator",
      RES_ACCEL_HEFTRAK,
      &MainWindowProc,
      0,
      &WindowSize,
      &FieldPlacements,
      &kNavigation,
      &view,
      kPrintCommand,
      [] { return static_cast<int>(Window().state.focusTarget); },
      [](int field) { Window().state.focusTarget = static_cast<FieldId>(field); },
      [] { return Window().state.maleOnly; },
      [](char sexInField, shell::RequestList& requests) {
        ToggleMaleOnly(Window().state, sexInField, requests);
      },
  };
  return program;
}

}  // namespace heftrak
