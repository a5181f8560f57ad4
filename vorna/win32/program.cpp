#include "vorna/win32/program.h"

#include "vorna/core/keyboard.h"
#include "vorna/core/layout.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/vorna_ids.h"

namespace vorna {

const shell::ProgramDescription& Program() {
  static const shell::ProgramDescription program = {
      "VORNA Calculator",
      "VORNA Calculator",
      RES_ACCEL_VORNA,
      &MainWindowProc,
      1,
      &WindowSize,
      &FieldPlacements,
      &kNavigation,
      [] { return Window().state.maleOnly; },
  };
  return program;
}

}  // namespace vorna
