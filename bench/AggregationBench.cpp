// Micro benchmarks of the aggregation library on 1M synthetic cases: the
// cost of adding a case, and each group-by task.
#include <benchmark/benchmark.h>

#include <memory>

#include "AggregationCube.h"
#include "AggregationStatistic.h"
#include "AggregationTable.h"
#include "AggregationVariable.h"
#include "StatisticCodes.h"
#include "bench/GroupByTasks.h"
#include "bench/SyntheticCases.h"

namespace {

constexpr std::int64_t kRows = 1000000;

MemoryDataSource& Cases() {
  static MemoryDataSource* source = [] {
    auto* s = new MemoryDataSource;
    FillSyntheticCases(*s, kRows);
    return s;
  }();
  return *source;
}

// The iterator alone: the floor under any per-case work.
void BM_NextCaseOnly(benchmark::State& state) {
  Cases();  // made before the timing starts
  for (auto _ : state) {
    std::unique_ptr<VEXA_InputCaseIterator> cases(Cases().CreateCaseIterator(0));
    long n = 0;
    while (cases->NextCase()) ++n;
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_NextCaseOnly)->Unit(benchmark::kMillisecond);

// NextCase and AddNewCase for the mean of x by g1. The worker aggregates
// alongside; the caller waits when it falls behind, so the wall time covers
// the aggregation, the caller's CPU time the per-case cost of adding.
void BM_AddNewCase(benchmark::State& state) {
  const bool bulk = state.range(0) != 0;
  Cases().SetBulkAccess(bulk);
  for (auto _ : state) {
    std::unique_ptr<VEXA_InputCaseIterator> cases(Cases().CreateCaseIterator(0));
    AggregationTable table(cases.get(), false, false, -1);
    AggregationCube* cube = table.CreateCube();
    cube->AddCategoricalVariable(new AggregationVariable(Cases().FindVarIndex("g1", 0), "g1"), 0);
    AggregationStatistic mean(kStatMean);
    mean.SetVarIndex(Cases().FindVarIndex("x", 0));
    cube->AddScaleStatistics({mean});
    while (cases->NextCase()) table.AddNewCase();
    state.PauseTiming();
    table.ResetAggregator();
    state.ResumeTiming();
  }
  Cases().SetBulkAccess(true);
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_AddNewCase)->Arg(1)->Arg(0)->ArgNames({"bulk"})->Unit(benchmark::kMillisecond);

void BM_Task(benchmark::State& state) {
  const char task = static_cast<char>('a' + state.range(0));
  Cases().SetWeight(task == 'f' ? Cases().FindVarIndex("w", 0) : -1);
  for (auto _ : state) benchmark::DoNotOptimize(RunGroupByTask(task, Cases()));
  Cases().SetWeight(-1);
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Task)->DenseRange(0, 6)->ArgNames({"task"})->Unit(benchmark::kMillisecond);

}  // namespace
