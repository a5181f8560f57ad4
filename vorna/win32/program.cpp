#include "vorna/win32/program.h"

#include "shell/win32/replay.h"
#include "vorna/core/keyboard.h"
#include "vorna/core/layout.h"
#include "vorna/core/reactions.h"
#include "vorna/resources/vorna_ids.h"
#include "vorna/win32/main_window.h"

namespace vorna {

const shell::ProgramDescription& Program() {
  static const shell::ProgramView view = {
      &ClearMessageLine, &ShowMessage, nullptr, &PaintLabel, &PaintResult, &CarryOutProgramRequest,
  };
  static const shell::ProgramDescription program = {
      "VORNA Calculator",
      "VORNA Calculator",
      RES_ACCEL_VORNA,
      &MainWindowProc,
      1,
      &WindowSize,
      &FieldPlacements,
      &kNavigation,
      &view,
      kPrintCommand,
      [] { return static_cast<int>(Window().state.currentField); },
      [](int field) { Window().state.currentField = static_cast<FieldId>(field); },
      [] { return Window().state.maleOnly; },
      [](char sexInField, shell::RequestList& requests) {
        ToggleMaleOnly(Window().state, sexInField, requests);
      },
  };
  return program;
}

}  // namespace vorna
