// Times a whole roster of 10,000 soldiers through each roster program, from
// the CSV text to the results file's text (no file, no printer).
#include <benchmark/benchmark.h>

#include <string>

#include "heftrak/core/roster_program.h"
#include "roster/core/run.h"
#include "vorna/core/roster_program.h"

namespace {

constexpr int kRosterRows = 10000;

// The rows cycle through these, each with an age of its own.
constexpr const char* kHeftrakRows[] = {
    "Hale,Jordan,Q,SGT,123-45-6789,%d,M,72,210,40,40.25,,15,15.25,,,,,,,,,,,,,",
    "Ibarra,Marisol,T,SPC,234567890,%d,F,64,150,,,,13.5,,,40,,,10,,,6.25,,",
    "Kowalski,Ben,,PFC,,%d,M,69.5,170,,,,,,,,,,,,,,,",
    "Okafor,Chidi,A,SSG,456-78-9012,%d,M,70,200,36,36.75,,15,,,,,,,,,,,",
};
constexpr const char* kVornaRows[] = {
    "Hale,Jordan,Q,SGT,123-45-6789,%d,M,75,80,13:00",
    "Ibarra,Marisol,T,SPC,234-56-7890,%d,F,42,53,17:54",
    "Kowalski,Ben,,PFC,,%d,M,80,90,1200",
    "Okafor,Chidi,A,SSG,456-78-9012,%d,M,55,60,",
};

template <std::size_t N>
std::string Roster(const char* header, const char* const (&rows)[N]) {
  std::string csv = std::string(header) + "\r\n";
  char line[160];
  for (int i = 0; i < kRosterRows; ++i) {
    std::snprintf(line, sizeof line, rows[static_cast<std::size_t>(i) % N], 17 + i % 54);
    csv.append(line).append("\r\n");
  }
  return csv;
}

void ScoreWholeRoster(benchmark::State& state, const roster::RosterProgram& program,
                      const std::string& csv) {
  for (auto _ : state) {
    const roster::RosterRun run = roster::ScoreRoster(program, csv, {});
    benchmark::DoNotOptimize(run.resultsCsv.data());
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(kRosterRows),
                                                benchmark::Counter::kIsIterationInvariantRate);
}

void BM_HeftrakRoster10000(benchmark::State& state) {
  static const std::string csv = Roster(
      "last,first,mi,rank,ssn,age,sex,height,weight,abdomen1,abdomen2,abdomen3,neck1,neck2,neck3,"
      "hips1,hips2,hips3,forearm1,forearm2,forearm3,wrist1,wrist2,wrist3",
      kHeftrakRows);
  ScoreWholeRoster(state, heftrak::RosterProgram(), csv);
}
BENCHMARK(BM_HeftrakRoster10000)->Unit(benchmark::kMillisecond);

void BM_VornaRoster10000(benchmark::State& state) {
  static const std::string csv =
      Roster("last,first,mi,rank,ssn,age,sex,pushups,situps,run", kVornaRows);
  ScoreWholeRoster(state, vorna::RosterProgram(), csv);
}
BENCHMARK(BM_VornaRoster10000)->Unit(benchmark::kMillisecond);

}  // namespace
