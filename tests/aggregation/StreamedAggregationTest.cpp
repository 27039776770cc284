// The aggregation library over columns streamed chunk by chunk must give
// what it gives over the same columns kept in memory.

#include <gtest/gtest.h>

#include <string>

#include "AggregationStatistic.h"
#include "StatisticCodes.h"
#include "engine/data/DataSourceView.h"
#include "tests/data/DataFiles.h"
#include "tests/support/AggregateCells.h"

namespace {

CubeRun MeanAndMedianByGroup(const std::shared_ptr<const CaseData>& data) {
  DataSourceView source(data, true);
  CubeSpec spec;
  spec.breaks.push_back(new AggregationVariable(source.FindVarIndex("g", 0), "g"));
  for (int code : {kStatMean, kStatStdDev, kStatValidN, kStatMedian}) {
    AggregationStatistic statistic(code);
    statistic.SetVarIndex(source.FindVarIndex("x", 0));
    spec.statistics.push_back(statistic);
  }
  spec.notListwise = true;
  return RunCube(source, spec);
}

void ExpectSameResults(const CubeRun& expected, const CubeRun& actual) {
  ASSERT_EQ(expected.groups.size(), 1u);
  ASSERT_EQ(actual.groups.size(), 1u);
  ASSERT_EQ(expected.groups[0].size(), 7u);
  for (const auto& [key, results] : expected.groups[0]) {
    ASSERT_EQ(actual.groups[0].count(key), 1u) << key;
    const auto& got = actual.groups[0].at(key);
    ASSERT_EQ(got.size(), results.size()) << key;
    for (std::size_t i = 0; i < results.size(); ++i)
      EXPECT_DOUBLE_EQ(static_cast<double>(got[i]), static_cast<double>(results[i])) << key << " " << i;
  }
}

TEST(StreamedAggregation, GivesTheResultsOfColumnsKeptInMemory) {
  std::string csv = "g,skipped,x\n";
  for (int i = 0; i < 150000; ++i)  // more than the aggregation takes at once
    csv += std::string(1, static_cast<char>('a' + i % 7)) + ",zz," +
           (i % 13 == 0 ? "" : std::to_string((i * 37) % 1001) + ".5") + "\n";
  DataFiles files;
  std::string path = files.Write("data.csv", csv);
  CsvReadOptions kept;
  kept.lazy = true;
  kept.readFirst = {"g", "x"};
  kept.blockBytes = 4096;
  LoadedData inMemory = LoadDataFile(path, path, kept);
  ASSERT_TRUE(inMemory.data) << ProblemTexts(inMemory);
  ASSERT_TRUE(inMemory.data->IsRead(2));
  CubeRun expected = MeanAndMedianByGroup(inMemory.data);
  // The aggregation reads a chunk's cases in runs while later chunks are
  // parsed: chunks of one block (about 450 cases), of several, and one
  // chunk for the file, each with two passes.
  for (int chunkBlocks : {1, 2, 7, 1000}) {
    CsvReadOptions streamed = kept;
    streamed.keepBytes = 0;
    streamed.chunkBlocks = chunkBlocks;
    LoadedData inChunks = LoadDataFile(path, path, streamed);
    ASSERT_TRUE(inChunks.data) << ProblemTexts(inChunks);
    ASSERT_FALSE(inChunks.data->IsRead(2));
    for (int pass = 0; pass < 2; ++pass) ExpectSameResults(expected, MeanAndMedianByGroup(inChunks.data));
  }
}

}  // namespace
