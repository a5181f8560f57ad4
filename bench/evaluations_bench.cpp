// Times one evaluation of each kind and the scoring of a whole chart column,
// and counts heap allocations on the way (there should be none).
#include <benchmark/benchmark.h>

#include "heftrak/core/evaluation.h"
#include "roster/tests/counting_allocator.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/scoring.h"

namespace {

using roster::HeapAllocations;

void CountAllocations(benchmark::State& state, long before) {
  state.counters["allocs/iter"] = benchmark::Counter(
      static_cast<double>(HeapAllocations() - before) / static_cast<double>(state.iterations()));
}

heftrak::FieldTexts MaleFields() {
  heftrak::FieldTexts f{};
  f[heftrak::kAge] = "25";
  f[heftrak::kSex] = "M";
  f[heftrak::kHeightWhole] = "70";
  f[heftrak::kHeightHundredths] = "50";
  f[heftrak::kWeight] = "200";
  const char* abdomen[] = {"36", "50", "36", "75", "36", "50"};
  const char* neck[] = {"15", "25", "15", "25", "15", "00"};
  for (int i = 0; i < 6; ++i) {
    f[static_cast<std::size_t>(heftrak::kMaleReadingsFirst + i)] = abdomen[i];
    f[static_cast<std::size_t>(heftrak::kMaleReadingsFirst + 6 + i)] = neck[i];
  }
  return f;
}

heftrak::FieldTexts FemaleFields() {
  heftrak::FieldTexts f{};
  f[heftrak::kAge] = "30";
  f[heftrak::kSex] = "F";
  f[heftrak::kHeightWhole] = "64";
  f[heftrak::kHeightHundredths] = "25";
  f[heftrak::kWeight] = "150";
  const char* sites[4][2] = {{"40", "25"}, {"10", "00"}, {"13", "50"}, {"6", "25"}};
  for (int site = 0; site < 4; ++site) {
    for (int k = 0; k < 3; ++k) {
      const auto whole = static_cast<std::size_t>(heftrak::FemaleReadingWhole(site, k));
      f[whole] = sites[site][0];
      f[whole + 1] = sites[site][1];
    }
  }
  return f;
}

void BM_CalculateBodyFatMale(benchmark::State& state) {
  const heftrak::FieldTexts fields = MaleFields();
  const long before = HeapAllocations();
  for (auto _ : state) {
    heftrak::WeightControlState weight;
    shell::RequestList requests;
    heftrak::CalculateBodyFat(weight, fields, requests);
    benchmark::DoNotOptimize(requests);
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_CalculateBodyFatMale);

void BM_CalculateBodyFatFemale(benchmark::State& state) {
  const heftrak::FieldTexts fields = FemaleFields();
  const long before = HeapAllocations();
  for (auto _ : state) {
    heftrak::WeightControlState weight;
    shell::RequestList requests;
    heftrak::CalculateBodyFat(weight, fields, requests);
    benchmark::DoNotOptimize(requests);
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_CalculateBodyFatFemale);

void BM_CheckScreening(benchmark::State& state) {
  const heftrak::FieldTexts fields = MaleFields();
  const long before = HeapAllocations();
  for (auto _ : state) {
    heftrak::WeightControlState weight;
    shell::RequestList requests;
    heftrak::CheckScreening(weight, fields, requests);
    benchmark::DoNotOptimize(requests);
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_CheckScreening);

void BM_EvaluateScoresAllEvents(benchmark::State& state) {
  const vorna::EntryTexts entries = {"25", "M", "75", "80", "13", "00"};
  const long before = HeapAllocations();
  for (auto _ : state) {
    vorna::TestState test;
    shell::RequestList log;
    vorna::EvaluateScores(test, entries, log);
    benchmark::DoNotOptimize(log);
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_EvaluateScoresAllEvents);

// A chart column lists up to 136 rows; the slowest column to score is a run
// column, where each row walks its steps 6 seconds at a time.
void BM_ChartColumnRun(benchmark::State& state) {
  const long before = HeapAllocations();
  for (auto _ : state) {
    int sum = 0;
    for (int row = 0; row < 136; ++row) {
      sum += vorna::FemaleRunPoints(12 * 60 + 6 * row, 40);
    }
    benchmark::DoNotOptimize(sum);
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_ChartColumnRun);

void BM_ChartColumnPushups(benchmark::State& state) {
  const long before = HeapAllocations();
  for (auto _ : state) {
    int sum = 0;
    for (int reps = 0; reps < 136; ++reps) {
      sum += vorna::MalePushupPoints(reps, 20);
    }
    benchmark::DoNotOptimize(sum);
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_ChartColumnPushups);

}  // namespace

BENCHMARK_MAIN();
