// The chart data table on the unaggregated path: millions of cells written by
// column handle and by name, and a whole chart streamed as JSON.
//   build/bench/chart_bench --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <ostream>
#include <streambuf>

#include "VarDataProcessor.h"
#include "XDocument.h"
#include "engine/output/JsonSink.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"

namespace {

constexpr const char* kLabels[] = {"Clerical", "Custodial", "Manager"};

// One case per row: a value, its label, and the case number.
void FillByHandle(VarDataProcessor& table, int rows) {
  table.AddDataSource("ds", 10000);
  VarDataColumn value, label, caseNumber;
  table.AddVariable("ds", "jobcat", &value);
  table.AddVariable("ds", "labelingVariable_0", &label);
  table.AddVariable("ds", "$CASENUM", &caseNumber);
  for (int row = 0; row < rows; ++row) {
    table.SetVariableValue(value, row, row % 3 + 1);
    table.SetStringVariableValue(label, row, kLabels[row % 3]);
    table.SetVariableValue(caseNumber, row, row + 1);
  }
}

void BM_WriteByHandle(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    VarDataProcessor table;
    FillByHandle(table, rows);
    benchmark::DoNotOptimize(table.GetRowCount("ds"));
  }
  state.SetItemsProcessed(state.iterations() * rows * 3);
}
BENCHMARK(BM_WriteByHandle)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_WriteByName(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string source = "ds", value = "jobcat", caseNumber = "$CASENUM";
  for (auto _ : state) {
    VarDataProcessor table;
    table.AddDataSource(source, 10000);
    for (int row = 0; row < rows; ++row) {
      table.SetVariableValue(source, value, row, row % 3 + 1);
      table.SetVariableValue(source, caseNumber, row, row + 1);
    }
    benchmark::DoNotOptimize(table.GetRowCount(source));
  }
  state.SetItemsProcessed(state.iterations() * rows * 2);
}
BENCHMARK(BM_WriteByName)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Counts the bytes written and keeps none.
class CountingBuffer : public std::streambuf {
 public:
  std::size_t bytes = 0;

 protected:
  int_type overflow(int_type c) override {
    ++bytes;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    bytes += static_cast<std::size_t>(n);
    return n;
  }
};

long PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

void BM_SendChart(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  VarDataProcessor table;
  FillByHandle(table, rows);
  XDocument chart("SOURCE: s=userSource(id(\"ds\"))\nDATA: j=col(source(s), name(\"jobcat\"), unit.category())\n"
                  "ELEMENT: interval(position(summary.count(j)))",
                  true, false);
  chart.SetChartData(&table);
  std::size_t bytes = 0;
  for (auto _ : state) {
    CountingBuffer buffer;
    std::ostream out(&buffer);
    {
      OutputDocument output;
      output.AddSink(std::make_unique<JsonSink>(out));
      EngineSession session(EngineOptions{}, output);
      chart.Send();
      output.Finish();
    }
    bytes = buffer.bytes;
  }
  state.SetItemsProcessed(state.iterations() * rows);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["peak_rss_MB"] = static_cast<double>(PeakResidentMegabytes());
}
BENCHMARK(BM_SendChart)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
