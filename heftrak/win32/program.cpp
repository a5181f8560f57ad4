#include "heftrak/win32/program.h"

#include "heftrak/core/keyboard.h"
#include "heftrak/core/layout.h"
#include "heftrak/win32/heftrak_ids.h"
#include "heftrak/win32/main_window.h"

namespace heftrak {

const shell::ProgramDescription& Program() {
  static const shell::ProgramDescription program = {
      "Weight Control Calculator",
      "Weight Control Calculator",
      RES_ACCEL_HEFTRAK,
      &MainWindowProc,
      0,
      &WindowSize,
      &FieldPlacements,
      &kNavigation,
      [] { return Window().maleOnly; },
  };
  return program;
}

}  // namespace heftrak
