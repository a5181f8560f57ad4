// Counts the heap allocations of a test or benchmark program
// (counting_allocator.cpp replaces the global operator new), to show that
// scoring a row allocates nothing once a roster is under way.
#pragma once

#include <string_view>

#include "roster/core/program.h"

namespace roster {

// How many times operator new has been called in this program so far.
long HeapAllocations();

// The allocations made while the roster's rows after the first `warmRows`
// are scored, its results going to a writer that keeps nothing.
long AllocationsAfter(const RosterProgram& program, std::string_view roster, int warmRows);

}  // namespace roster
