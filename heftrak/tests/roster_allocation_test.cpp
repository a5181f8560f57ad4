// Once a roster is under way, scoring a row allocates nothing: the scorer
// keeps its window model, request list and buffers from row to row, and the
// summary's list of refused rows is full early in a long roster.
#include <gtest/gtest.h>

#include "heftrak/roster/roster_program.h"
#include "roster/tests/counting_allocator.h"
#include "roster/tests/generated_roster.h"

namespace heftrak {
namespace {

TEST(HeftrakRoster, ScoringARowAllocatesNothingOnceUnderWay) {
  const std::string roster = roster::generated::Roster(roster::generated::Program::Heftrak, 10000);
  EXPECT_EQ(roster::AllocationsAfter(RosterProgram(), roster, 5000), 0);
}

}  // namespace
}  // namespace heftrak
