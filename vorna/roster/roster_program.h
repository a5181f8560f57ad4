// VORNA's roster program: the columns it reads and writes and what its
// summary counts.
#pragma once

#include "roster/core/program.h"

namespace vorna {

const roster::RosterProgram& RosterProgram();

}  // namespace vorna
