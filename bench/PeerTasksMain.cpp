// Runs the peer benchmarks' group-by tasks through the aggregation library and
// prints the harness's lines: peer threads task rep seconds nrow_result checksum.
//   ggraph_peer_tasks [--column-reads] CSV REPS
// The data are made in memory with the peers' generator (GGRAPH_BENCH_ROWS
// rows, 10,000,000 by default); CSV is not read yet. --column-reads adds, per
// task, "read_<task>": the time to read the task's columns once from memory.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "bench/GroupByTasks.h"
#include "bench/SyntheticCases.h"

namespace {

const char* const kTasks = "abcdefg";

// Sums the columns once with independent accumulators, so that the loop is
// bound by memory bandwidth alone.
double ReadColumnsOnce(const MemoryDataSource& source, const std::vector<const char*>& names, double* sink) {
  const auto start = std::chrono::steady_clock::now();
  for (const char* name : names) {
    const OBS* cells = source.Cell(source.FindVarIndex(name, 0), 0);
    double s[8] = {};
    const std::int64_t rows = source.Rows();
    std::int64_t i = 0;
    for (; i + 8 <= rows; i += 8)
      for (int k = 0; k < 8; ++k) s[k] += cells[i + k].number;
    for (; i < rows; ++i) s[0] += cells[i].number;
    for (double v : s) *sink += v;
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<const char*> ColumnsOf(char task) {
  switch (task) {
    case 'a': return {"g1", "g2"};
    case 'f': return {"g1", "x", "w"};
    case 'g': return {"s", "x"};
    default: return {"g1", "g2", "x"};
  }
}

void Emit(const char* task, int rep, double seconds, long rows, double checksum) {
  std::printf("ggraph\t%u\t%s\t%d\t%.6f\t%ld\t%.6f\n", std::max(1u, std::thread::hardware_concurrency()), task,
              rep, seconds, rows, checksum);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  bool columnReads = false;
  int first = 1;
  if (argc > first && std::strcmp(argv[first], "--column-reads") == 0) {
    columnReads = true;
    ++first;
  }
  if (argc - first < 2) {
    std::fprintf(stderr, "usage: ggraph_peer_tasks [--column-reads] CSV REPS\n");
    return 2;
  }
  const int reps = std::atoi(argv[first + 1]);
  const char* rowsText = std::getenv("GGRAPH_BENCH_ROWS");
  const std::int64_t rows = rowsText ? std::atoll(rowsText) : 10000000;

  MemoryDataSource source;
  FillSyntheticCases(source, rows);
  const int weight = source.FindVarIndex("w", 0);
  double sink = 0;
  for (int rep = 1; rep <= reps; ++rep) {
    for (const char* task = kTasks; *task; ++task) {
      source.SetWeight(*task == 'f' ? weight : -1);
      const GroupByResult result = RunGroupByTask(*task, source);
      const char name[2] = {*task, 0};
      Emit(name, rep, result.seconds, result.rows, result.checksum);
      if (columnReads) {
        const std::string read = std::string("read_") + *task;
        Emit(read.c_str(), rep, ReadColumnsOnce(source, ColumnsOf(*task), &sink), 0, 0);
      }
    }
  }
  return sink == 12345.678 ? 1 : 0;  // keeps the reads from being optimised away
}
