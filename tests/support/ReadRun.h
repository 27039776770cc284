#pragma once
// A GGRAPH command parsed over a small data package as the working data, its
// graph data sets read the way the procedure reads them.

#include <string>
#include <vector>

#include "tests/data/DataFiles.h"
#include "tests/support/DataSetTables.h"
#include "tests/support/ParsedCommand.h"

struct ReadRun {
  // The subcommand follows "GGRAPH /GRAPHDATASET NAME=g ". `prepare` may
  // adjust the parsed data sets before they are read.
  template <typename Prepare>
  ReadRun(const std::string& schema, const std::string& csv, const std::string& subcommand, Prepare prepare)
      : parsed("GGRAPH /GRAPHDATASET NAME=g " + subcommand + ".\n", Options(WritePackage(files, schema, csv))) {
    if (GGraphDataSet* dataSet = Only()) {
      prepare(*dataSet);
      result = ReadDataSet(*dataSet, relabel);
    }
  }
  ReadRun(const std::string& schema, const std::string& csv, const std::string& subcommand)
      : ReadRun(schema, csv, subcommand, [](GGraphDataSet&) {}) {}

  // A data package of examples/data.
  struct Bundled {
    std::string package;
  };
  ReadRun(const Bundled& data, const std::string& subcommand)
      : parsed("GGRAPH /GRAPHDATASET NAME=g " + subcommand + ".\n",
               Options(std::string(GGRAPH_SOURCE_DIR) + "/examples/data/" + data.package)) {
    if (GGraphDataSet* dataSet = Only()) result = ReadDataSet(*dataSet, relabel);
  }

  // The command's one data set; null unless there is exactly one.
  GGraphDataSet* Only() {
    GGraphSettings& settings = parsed.Settings();
    if (settings.GetDataSetCount() != 1) return nullptr;
    const auto& aggregated = settings.GetAggregatedDataSets();
    return aggregated.empty() ? settings.GetUnaggregatedDataSets()[0].get() : aggregated[0].get();
  }
  std::vector<std::vector<std::string>> Tables() {
    GGraphDataSet* dataSet = Only();
    return dataSet ? GroupTables(*dataSet) : std::vector<std::vector<std::string>>{};
  }
  // The messages of the parse and the reading (call once, at the end).
  Messages Issued() { return parsed.session.Messages(); }

  static EngineOptions Options(const std::string& dataPath) {
    EngineOptions options;
    options.dataPath = dataPath;
    return options;
  }

  DataFiles files;
  ParsedCommand parsed;
  RelabelString relabel;
  std::uint32_t result = 0;
};
