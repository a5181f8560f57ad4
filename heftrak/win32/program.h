// HEFTRAK as a program of the shared frame.
#pragma once

#include "shell/win32/app.h"

namespace heftrak {

const shell::ProgramDescription& Program();

}  // namespace heftrak
