// Times whole rosters of 10,000 and 100,000 soldiers through each roster
// program, from the roster's bytes to the results' bytes (no file, no
// printer), and reports the peak memory of the process while it scores:
// the rows are made as they are read and the results counted as they are
// written, so the peak is the scoring's own, and should not grow with the
// rows.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "heftrak/roster/roster_program.h"
#include "roster/core/run.h"
#include "vorna/roster/roster_program.h"

namespace {

// The rows cycle through these, each with an age of its own.
constexpr const char* kHeftrakHeader =
    "last,first,mi,rank,ssn,age,sex,height,weight,abdomen1,abdomen2,abdomen3,neck1,neck2,neck3,"
    "hips1,hips2,hips3,forearm1,forearm2,forearm3,wrist1,wrist2,wrist3";
constexpr const char* kHeftrakRows[] = {
    "Hale,Jordan,Q,SGT,123-45-6789,%d,M,72,210,40,40.25,,15,15.25,,,,,,,,,,,,,",
    "Ibarra,Marisol,T,SPC,234567890,%d,F,64,150,,,,13.5,,,40,,,10,,,6.25,,",
    "Kowalski,Ben,,PFC,,%d,M,69.5,170,,,,,,,,,,,,,,,",
    "Okafor,Chidi,A,SSG,456-78-9012,%d,M,70,200,36,36.75,,15,,,,,,,,,,,",
};
constexpr const char* kVornaHeader = "last,first,mi,rank,ssn,age,sex,pushups,situps,run";
constexpr const char* kVornaRows[] = {
    "Hale,Jordan,Q,SGT,123-45-6789,%d,M,75,80,13:00",
    "Ibarra,Marisol,T,SPC,234-56-7890,%d,F,42,53,17:54",
    "Kowalski,Ben,,PFC,,%d,M,80,90,1200",
    "Okafor,Chidi,A,SSG,456-78-9012,%d,M,55,60,",
};

// A roster of `rows` rows, made a line at a time as it is read.
template <std::size_t N>
roster::ByteReader GeneratedRoster(const char* header, const char* const (&rows)[N], int count) {
  struct State {
    std::string line;
    std::size_t at = 0;
    int next = -1;  // -1: the header
  };
  auto state = std::make_shared<State>();
  return [state, header, &rows, count](char* buffer, std::size_t capacity, std::string&) {
    std::size_t filled = 0;
    while (filled < capacity) {
      if (state->at == state->line.size()) {
        if (state->next >= count) {
          break;
        }
        char line[160];
        if (state->next < 0) {
          std::snprintf(line, sizeof line, "%s\r\n", header);
        } else {
          std::snprintf(line, sizeof line, rows[static_cast<std::size_t>(state->next) % N],
                        17 + state->next % 54);
          std::strcat(line, "\r\n");
        }
        state->line = line;
        state->at = 0;
        ++state->next;
      }
      const std::size_t size = std::min(capacity - filled, state->line.size() - state->at);
      std::memcpy(buffer + filled, state->line.data() + state->at, size);
      state->at += size;
      filled += size;
    }
    return static_cast<std::ptrdiff_t>(filled);
  };
}

// Starts a new peak of the process's resident memory, where Linux allows it.
void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// The peak of the process's resident memory in MiB since ResetPeakMemory
// (VmHWM), or since the process started (ru_maxrss) where it cannot be reset.
double PeakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  std::string field;
  while (status >> field) {
    if (field == "VmHWM:") {
      double kib = 0;
      status >> kib;
      return kib / 1024;
    }
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
}

template <std::size_t N>
void ScoreWholeRoster(benchmark::State& state, const roster::RosterProgram& program,
                      const char* header, const char* const (&rows)[N]) {
  const int count = static_cast<int>(state.range(0));
  std::size_t written = 0;
  const roster::ByteWriter writer = [&written](std::string_view bytes, std::string&) {
    written += bytes.size();
    benchmark::DoNotOptimize(bytes.data());
    return true;
  };
  ResetPeakMemory();
  for (auto _ : state) {
    const roster::RosterSummary summary =
        roster::ScoreRoster(program, GeneratedRoster(header, rows, count), &writer, {});
    if (summary.read != count) {
      state.SkipWithError("rows went missing");
    }
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MiB"] = PeakMemoryMiB();
}

void BM_HeftrakRoster(benchmark::State& state) {
  ScoreWholeRoster(state, heftrak::RosterProgram(), kHeftrakHeader, kHeftrakRows);
}
BENCHMARK(BM_HeftrakRoster)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_VornaRoster(benchmark::State& state) {
  ScoreWholeRoster(state, vorna::RosterProgram(), kVornaHeader, kVornaRows);
}
BENCHMARK(BM_VornaRoster)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
