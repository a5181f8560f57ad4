// The start of a roster program: its command line, console and platform.
// One definition per build: native/ (POSIX, no printer) and win32/.
#pragma once

#include "roster/core/program.h"

namespace roster {

int ConsoleMain(const RosterProgram& program, int argc, char** argv);

}  // namespace roster
