// HEFTRAK's roster program: the columns it reads and writes and what its
// summary counts.
#pragma once

#include "roster/core/program.h"

namespace heftrak {

const roster::RosterProgram& RosterProgram();

}  // namespace heftrak
