// VORNA as a program of the shared frame.
#pragma once

#include "shell/win32/app.h"

namespace vorna {

const shell::ProgramDescription& Program();

}  // namespace vorna
