#include "heftrak/win32/program.h"

#include "heftrak/core/keyboard.h"
#include "heftrak/core/layout.h"
#include "heftrak/core/window_layout.h"
#include "heftrak/resources/heftrak_ids.h"
#include "heftrak/win32/main_window.h"
#include "heftrak/win32/window_parts.h"
#include "shell/win32/replay.h"

namespace heftrak {

const shell::ProgramDescription& Program() {
  static const shell::ProgramView view = {
      &ClearPrompt,
      &ShowMessage,
      &PaintExtraLine,
      nullptr,
      nullptr,
      nullptr,
      // "Male Only" draws Sex's frame again after writing into it.
      [](int field) {
        return field == kSex ? SexFieldFrame(shell::App().grid) : shell::Stack{0, 0, 0, 0, 0, 0};
      },
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
      []() -> shell::FieldModel& { return Window().model.fields; },
      [](int command) { return Window().model.Command(command); },
      kMaleOnlyCommand,
      [] { return Window().model.state.maleOnly; },
      nullptr,
  };
  return program;
}

}  // namespace heftrak
