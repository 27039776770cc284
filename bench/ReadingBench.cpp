// Step 9 of the GGRAPH procedure (reading the graph data sets) over a large
// data package, against the aggregation alone for the same statistics:
//   reading_bench PACKAGE [REPS]
// PACKAGE is a data package from make_synthetic_data (variables group,
// store, x, y; split by wave). Per repetition it prints, tab-separated:
//   run  seconds  rows  cells_written  cells_per_second
// for "unaggregated" (VARIABLES=x y, the case number and weight columns
// added), "aggregated" (group store MEAN(x) MEDIAN(x) MEANCI(x, 95)) and
// "aggregation_only" (the same statistics through the aggregation library,
// group by group, each cell's results read once).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "AggregationCube.h"
#include "AggregationStatistic.h"
#include "AggregationTable.h"
#include "AggregationVariable.h"
#include "BpProcedure.h"
#include "CubeAggregator.h"
#include "FacSTDictionary.h"
#include "PathFactory.h"
#include "ProcedureDataSource.h"
#include "StatisticCodes.h"
#include "TableDimension.h"
#include "VEXA_InputCaseIterator.h"
#include "VarDataProcessor.h"
#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "driver/GraphDataReading.h"
#include "driver/ProcedureRun.h"
#include "engine/input/CommandInput.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"
#include "model/RelabelString.h"
#include "syntax/GGraphCommandParser.h"

namespace {

const char* const kUnaggregated = "GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x y.\n";
const char* const kAggregated =
    "GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=group store MEAN(x) MEDIAN(x) MEANCI(x, 95).\n";

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void Emit(const char* run, double seconds, long rows, long cells) {
  std::printf("%s\t%.3f\t%ld\t%ld\t%.0f\n", run, seconds, rows, cells, cells / seconds);
  std::fflush(stdout);
}

// An engine session over the package whose input holds one command; the
// working data are loaded once and shared by every procedure of the session.
class BenchSession {
 public:
  explicit BenchSession(const std::string& package) {
    EngineOptions options;
    options.dataPath = package;
    session_ = std::make_unique<EngineSession>(std::move(options), output_);
  }

  // Parses the command and reads its data sets: the time of step 9 alone.
  void ReadCommand(const char* run, const char* command) {
    std::istringstream text(command);
    CommandInput input = CommandInput::FromStream(text);
    session_->BindInput(&input);
    input.NextCommand();
    FacSTDictionary dictionary(PathFactory::getPathInstance(3));
    dictionary.SetProcedure("GGRAPH");
    ProcedureDataSource data;
    GGraphCommandParser parser(&data, &dictionary);
    if (!parser.Parse()) {
      std::fprintf(stderr, "%s: the command was not accepted\n", run);
      std::exit(1);
    }
    BpProcedure procedure("GGraph", 2);
    ProcedureRun procedureRun{procedure, dictionary, data, parser.Settings()};
    RelabelString relabel;
    bool noValidCases = false;
    const Clock::time_point start = Clock::now();
    std::unique_ptr<PreparedDataSets> prepared = ReadGraphData(procedureRun, relabel, noValidCases);
    const double seconds = SecondsSince(start);
    long rows = 0, cells = 0;
    for (GGraphDataSet* dataSet : prepared ? prepared->DataSets() : std::vector<GGraphDataSet*>{}) {
      dataSet->ResetDataCursor();
      while (VarDataProcessor* table = dataSet->getData()) {
        const std::string source = table->GetSourceNames().front();
        rows += table->GetRowCount(source);
        cells += static_cast<long>(table->GetRowCount(source)) * table->GetColumnNames(source).size();
      }
    }
    Emit(run, seconds, rows, cells);
    session_->BindInput(nullptr);
  }

  // The statistics of the aggregated run as the module hands them to the
  // cube: mean, median, mean, then the count and the mean's standard error.
  void AggregateOnly() {
    ProcedureDataSource data;
    const int x = data.FindVarIndex("x", 0);
    const Clock::time_point start = Clock::now();
    std::unique_ptr<VEXA_InputCaseIterator> cases(data.CreateCaseIterator(0));
    AggregationTable table(cases.get(), false, false, -1);
    AggregationCube* cube = table.CreateCube();
    std::vector<AggregationVariable*> breaks;
    for (const char* name : {"group", "store"}) {
      breaks.push_back(new AggregationVariable(data.FindVarIndex(name, 0), name));
      cube->AddCategoricalVariable(breaks.back(), 0);
    }
    CubeAggregator* aggregator = cube->CreateCubeAggregator();
    std::vector<AggregationStatistic> statistics;
    for (int code : {kStatMean, kStatMedian, kStatMean, kStatCount, kStatSeMean}) {
      statistics.emplace_back(code);
      statistics.back().SetVarIndex(x);
    }
    cube->AddScaleStatistics(statistics);
    auto* split = dynamic_cast<ProcDSIterator*>(cases.get());
    long cells = 0;
    double checksum = 0;
    auto writeOut = [&] {
      std::vector<const AggregationCategory*> path(2);
      for (const AggregationCategory& first : breaks[0]->GetTableDimension()->GetCategories())
        for (const AggregationCategory& second : breaks[1]->GetTableDimension()->GetCategories()) {
          path = {&first, &second};
          if (const StatValues* values = aggregator->GetStatValues(path, -1)) {
            ++cells;
            for (int i = 0; i < values->GetStatCount(); ++i) checksum += values->GetStatValue(i);
          }
        }
      table.ResetAggregator();
    };
    while (cases->NextCase()) {
      if (split && split->SplitGroupEnd())
        writeOut();
      else
        table.AddNewCase();
    }
    writeOut();
    Emit("aggregation_only", SecondsSince(start), cells, cells * 5);
    if (checksum == 0) std::fprintf(stderr, "aggregation_only: empty result\n");
  }

 private:
  OutputDocument output_;
  std::unique_ptr<EngineSession> session_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: reading_bench PACKAGE [REPS]\n");
    return 2;
  }
  const int reps = argc > 2 ? std::atoi(argv[2]) : 3;
  BenchSession session(argv[1]);
  const Clock::time_point loadStart = Clock::now();
  { ProcedureDataSource load; }
  std::printf("load\t%.3f\n", SecondsSince(loadStart));
  for (int rep = 0; rep < reps; ++rep) {
    session.ReadCommand("unaggregated", kUnaggregated);
    session.ReadCommand("aggregated", kAggregated);
    session.AggregateOnly();
  }
  return 0;
}
