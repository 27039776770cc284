// Times the load of a CSV file, in the peer benchmarks' protocol:
//   bench_load CSV REPS
// prints "peer threads task rep seconds nrow_result checksum" lines for the
// task "load" (one load per process, as the peers do; REPS is accepted for
// the protocol). The checksum is the sum of the non-missing values of x.

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "engine/data/DataFileLoader.h"
#include "engine/data/ParallelBlocks.h"

namespace {

double SumOfColumn(const CaseData& data, const char* name) {
  int column = data.dictionary.Find(name);
  if (column < 0 || data.dictionary.Variable(column)->IsString()) return 0;
  const OBS* cells = data.columns[static_cast<std::size_t>(column)].data();
  double sum = 0;
  for (long row = 0; row < data.caseCount; ++row)
    if (cells[row].number != kSysMiss) sum += cells[row].number;
  return sum;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_load CSV [REPS]\n");
    return 2;
  }
  auto start = std::chrono::steady_clock::now();
  LoadedData loaded = LoadDataFile(argv[1], argv[1]);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (const DataProblems::Problem& problem : loaded.problems.All()) std::fprintf(stderr, "%s\n", problem.text.c_str());
  if (!loaded.data) return 1;
  std::printf("ggraph\t%d\tload\t0\t%.6f\t%ld\t%.6f\n", LoadThreads(), seconds, loaded.data->caseCount,
              SumOfColumn(*loaded.data, "x"));
  return 0;
}
