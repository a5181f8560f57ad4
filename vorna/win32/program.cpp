#include "vorna/win32/program.h"

#include "shell/win32/replay.h"
#include "vorna/core/keyboard.h"
#include "vorna/core/layout.h"
#include "vorna/resources/vorna_ids.h"
#include "vorna/win32/main_window.h"

namespace vorna {

const shell::ProgramDescription& Program() {
  static const shell::ProgramView view = {
      &ClearMessageLine,
      &ShowMessage,
      nullptr,
      &PaintLabel,
      &PaintResult,
      &CarryOutProgramRequest,
      // "Male Only" draws Sex's frame again after writing into it.
      [](int field) {
        return field == kSex ? Window().layout.sexFrame : shell::Stack{0, 0, 0, 0, 0, 0};
      },
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
      []() -> shell::FieldModel& { return Window().model.fields; },
      [](int command) { return Window().model.Command(command); },
      kMaleOnlyCommand,
      [] { return Window().model.state.maleOnly; },
      [] { return Window().chartList; },
  };
  return program;
}

}  // namespace vorna
