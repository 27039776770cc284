// The aggregation library over data the engine loaded from a data package:
// weights, user-missing values and string break variables must reach it.

#include <gtest/gtest.h>

#include <memory>

#include "AggregationStatistic.h"
#include "StatisticCodes.h"
#include "engine/data/CaseColumnAccess.h"
#include "engine/data/DataSourceView.h"
#include "tests/data/DataFiles.h"
#include "tests/support/AggregateCells.h"

namespace {

TEST(LoadedDataAggregation, SeesWeightsUserMissingValuesAndStringBreaks) {
  DataFiles files;
  std::string package = WritePackage(files,
                                     R"({"fields": [{"name": "g", "type": "string"},
                                                    {"name": "x", "type": "number", "missingValues": ["-9"]},
                                                    {"name": "w", "type": "number"}],
                                         "weightVariable": "w"})",
                                     "g,x,w\na,1,1\na,3,3\na,-9,5\nb,10,2\nb,,1\n");
  LoadedData loaded = LoadDataFile(package, package);
  ASSERT_TRUE(loaded.data) << ProblemTexts(loaded);
  DataSourceView source(loaded.data, true);
  std::unique_ptr<VEXA_InputCaseIterator> iterator(source.CreateCaseIterator(0));
  EXPECT_NE(dynamic_cast<const CaseColumnAccess*>(iterator.get()), nullptr);

  CubeSpec spec;
  spec.breaks.push_back(new AggregationVariable(source.FindVarIndex("g", 0), "g"));
  AggregationStatistic mean(kStatMean);
  mean.SetVarIndex(source.FindVarIndex("x", 0));
  AggregationStatistic validN(kStatValidN);
  validN.SetVarIndex(source.FindVarIndex("x", 0));
  spec.statistics = {mean, validN};
  spec.notListwise = true;
  CubeRun run = RunCube(source, spec);

  ASSERT_EQ(run.groups.size(), 1u);
  const CellResults& cells = run.groups[0];
  ASSERT_EQ(cells.count("a"), 1u);
  ASSERT_EQ(cells.count("b"), 1u);
  EXPECT_DOUBLE_EQ(static_cast<double>(cells.at("a")[0]), 2.5);  // (1*1 + 3*3) / 4; -9 is user-missing
  EXPECT_DOUBLE_EQ(static_cast<double>(cells.at("a")[1]), 4.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(cells.at("b")[0]), 10.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(cells.at("b")[1]), 2.0);
}

}  // namespace
