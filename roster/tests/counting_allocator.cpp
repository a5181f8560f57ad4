#include "roster/tests/counting_allocator.h"

#include <cstdlib>
#include <new>

#include "roster/core/page_tally.h"
#include "roster/core/run.h"

namespace {
long allocations = 0;  // one thread
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  std::abort();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace roster {

long HeapAllocations() {
  return allocations;
}

long AllocationsAfter(const RosterProgram& program, std::string_view roster, int warmRows) {
  const ByteWriter writer = [](std::string_view, std::string&) { return true; };
  int rows = 0;
  long before = -1;
  // The summary page's figures and lists are counted as a file run counts them.
  PageTally tally = StartTally(program);
  const RowObserver observer = [&](const ScoredRow& row) {
    TallyRow(program, tally, row);
    if (++rows == warmRows) {
      before = HeapAllocations();
    }
    return true;
  };
  ScoreRoster(program, TextReader(roster), &writer, {}, observer);
  return before < 0 ? -1 : HeapAllocations() - before;
}

}  // namespace roster
