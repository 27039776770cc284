// Runs the peer benchmarks' group-by tasks through the aggregation library and
// prints the harness's lines: peer threads task rep seconds nrow_result checksum.
//   ggraph_peer_tasks [--column-reads] CSV REPS [TASKS]
// Loads CSV the way --data does (the line "load"), then runs every task (or
// those of TASKS, e.g. "ab", for profiling one) REPS times over the loaded cases. --column-reads adds, per task, "read_<task>":
// the time to read the task's columns once from memory.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/GroupByTasks.h"
#include "engine/data/DataFileLoader.h"
#include "engine/data/DataSourceView.h"

namespace {

const char* const kTasks = "abcdefg";

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Sums the columns once with independent accumulators, so that the loop is
// bound by memory bandwidth alone.
double ReadColumnsOnce(const DataSourceView& source, const std::vector<const char*>& names, double* sink) {
  const auto start = std::chrono::steady_clock::now();
  for (const char* name : names) {
    const int column = source.FindVarIndex(name, 0);
    const OBS* cells = source.GetColumnCells(column);
    const long stride = source.Data().dictionary.Variable(column)->Cells();
    const long rows = source.GetCaseCount();
    double s[8] = {};
    long i = 0;
    for (; i + 8 <= rows; i += 8)
      for (int k = 0; k < 8; ++k) s[k] += cells[(i + k) * stride].number;
    for (; i < rows; ++i) s[0] += cells[i * stride].number;
    for (double v : s) *sink += v;
  }
  return SecondsSince(start);
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
    std::fprintf(stderr, "usage: ggraph_peer_tasks [--column-reads] CSV REPS [TASKS]\n");
    return 2;
  }
  const int reps = std::atoi(argv[first + 1]);
  const char* tasks = argc - first > 2 ? argv[first + 2] : kTasks;

  const auto loadStart = std::chrono::steady_clock::now();
  LoadedData loaded = LoadDataFile(argv[first], argv[first]);
  const double loadSeconds = SecondsSince(loadStart);
  for (const DataProblems::Problem& problem : loaded.problems.All()) std::fprintf(stderr, "%s\n", problem.text.c_str());
  if (!loaded.data) return 1;
  Emit("load", 0, loadSeconds, loaded.data->caseCount, 0);

  // Task f weights the cases by w, as a weight variable of the data set would:
  // the aggregation reads the weight from the dictionary. This program holds
  // the only reference to the loaded data, so it may set it.
  CaseData& data = *std::const_pointer_cast<CaseData>(loaded.data);
  const int weight = data.dictionary.Find("w");
  DataSourceView source(loaded.data, false);
  double sink = 0;
  for (int rep = 1; rep <= reps; ++rep) {
    for (const char* task = tasks; *task; ++task) {
      data.dictionary.SetWeight(*task == 'f' ? weight : -1);
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
