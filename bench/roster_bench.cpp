// Times whole generated rosters (roster/tests/generated_roster.h) through
// each roster program's engine, from the roster's bytes in memory to the
// results' bytes (no file, no printer), and counts the heap allocations made
// once the first row is scored: a row should make none. roster_speed.py times
// the programs themselves, file to file.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "heftrak/roster/roster_program.h"
#include "roster/core/run.h"
#include "roster/tests/counting_allocator.h"
#include "roster/tests/generated_roster.h"
#include "vorna/roster/roster_program.h"

namespace {

using roster::generated::Program;

// Made once, outside the timings.
const std::string& GeneratedRoster(Program program, int rows) {
  static std::map<std::pair<Program, int>, std::string> made;
  std::string& roster = made[{program, rows}];
  if (roster.empty()) {
    roster = roster::generated::Roster(program, rows);
  }
  return roster;
}

void ScoreWholeRoster(benchmark::State& state, const roster::RosterProgram& program,
                      Program generated) {
  const int count = static_cast<int>(state.range(0));
  const std::string& text = GeneratedRoster(generated, count);
  std::size_t written = 0;
  const roster::ByteWriter writer = [&written](std::string_view bytes, std::string&) {
    written += bytes.size();
    benchmark::DoNotOptimize(bytes.data());
    return true;
  };
  long afterFirstRow = 0;
  long steady = 0;
  const roster::RowObserver observer = [&afterFirstRow](const roster::ScoredRow& row) {
    if (afterFirstRow == 0) {
      afterFirstRow = roster::HeapAllocations();
    }
    benchmark::DoNotOptimize(row.score.results.data());
    return true;
  };
  for (auto _ : state) {
    afterFirstRow = 0;
    const roster::RosterSummary summary =
        roster::ScoreRoster(program, roster::TextReader(text), &writer, {}, observer);
    steady += roster::HeapAllocations() - afterFirstRow;
    if (summary.read != count) {
      state.SkipWithError("rows went missing");
    }
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
  // The summary keeps its first refused rows' texts: a few hundred
  // allocations a roster, none once those are kept.
  state.counters["allocs/row"] = static_cast<double>(steady) /
                                 static_cast<double>(state.iterations()) /
                                 static_cast<double>(count - 1);
}

void BM_HeftrakRoster(benchmark::State& state) {
  ScoreWholeRoster(state, heftrak::RosterProgram(), Program::Heftrak);
}
BENCHMARK(BM_HeftrakRoster)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_VornaRoster(benchmark::State& state) {
  ScoreWholeRoster(state, vorna::RosterProgram(), Program::Vorna);
}
BENCHMARK(BM_VornaRoster)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
