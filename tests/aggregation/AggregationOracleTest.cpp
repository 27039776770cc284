// The statistics against numbers computed by R (tests/fixtures/aggregation/oracle.R).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "AggregationMCSet.h"
#include "CtaDistFun.h"
#include "StatisticCodes.h"
#include "tests/support/AggregateCells.h"
#include "testkit/MemoryCases.h"

namespace {

const std::string kFixtures = GGRAPH_SOURCE_DIR "/tests/fixtures/aggregation/";

// section -> key -> statistic -> value
using Expected = std::map<std::string, std::map<std::string, std::map<std::string, double>>>;

Expected ReadExpected() {
  Expected expected;
  std::ifstream in(kFixtures + "expected.tsv");
  std::string section, key, statistic, value;
  while (std::getline(in, section, '\t') && std::getline(in, key, '\t') &&
         std::getline(in, statistic, '\t') && std::getline(in, value))
    expected[section][key][statistic] = std::stod(value);
  return expected;
}

std::vector<std::string> SplitCsv(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

// The columns of cases.csv: g s x y w f; x has the user-missing value 99.
struct OracleCases {
  MemoryDataSource source;
  int g, s, x, y, w, f;

  OracleCases() {
    std::ifstream in(kFixtures + "cases.csv");
    std::string line;
    std::getline(in, line);
    std::vector<std::vector<double>> numbers(5);
    std::vector<std::string> texts;
    while (std::getline(in, line)) {
      const std::vector<std::string> fields = SplitCsv(line);
      texts.push_back(fields[1]);
      for (int c : {0, 2, 3, 4, 5})
        numbers[c == 0 ? 0 : c - 1].push_back(fields[c].empty() ? kSysMiss : std::stod(fields[c]));
    }
    g = source.AddNumeric("g", numbers[0]);
    s = source.AddString("s", 4, texts);
    x = source.AddNumeric("x", numbers[1]);
    y = source.AddNumeric("y", numbers[2]);
    w = source.AddNumeric("w", numbers[3]);
    f = source.AddNumeric("f", numbers[4]);
    source.Variable(x).AddMissing(99.0);
  }
};

AggregationStatistic Stat(int code, int column, double parameter = 0) {
  AggregationStatistic statistic(code);
  statistic.SetVarIndex(column);
  if (parameter != 0) statistic.SetPTileCutPoint(parameter);
  return statistic;
}

struct Expectation {
  const char* name;  // the statistic in expected.tsv
  AggregationStatistic statistic;
  int part = 0;  // 0 the value, 1 GetValue1, 2 GetValue2
};

double Part(const AggregationResult& result, int part) {
  return part == 0 ? double(result) : part == 1 ? result.GetValue1() : result.GetValue2();
}

// Every cell of the run has the expected values; an expectation that R did
// not produce for a cell must be system-missing there.
void ExpectCells(const CellResults& cells, const std::map<std::string, std::map<std::string, double>>& expected,
                 const std::vector<Expectation>& expectations) {
  ASSERT_EQ(cells.size(), expected.size());
  for (const auto& [key, stats] : expected) {
    SCOPED_TRACE("cell " + key);
    ASSERT_TRUE(cells.count(key));
    const std::vector<AggregationResult>& results = cells.at(key);
    for (std::size_t i = 0; i < expectations.size(); ++i) {
      SCOPED_TRACE(expectations[i].name);
      const double actual = Part(results[i], expectations[i].part);
      auto it = stats.find(expectations[i].name);
      if (it == stats.end()) {
        EXPECT_EQ(actual, kSysMiss);
      } else {
        EXPECT_NEAR(actual, it->second, 1e-9 * std::max(1.0, std::fabs(it->second)));
      }
    }
  }
}

CellResults RunByGroup(OracleCases& cases, int breakColumn, const std::vector<Expectation>& expectations,
                bool notListwise = false) {
  CubeSpec spec;
  spec.breaks = {new AggregationVariable(breakColumn, "break")};
  for (const Expectation& e : expectations) spec.statistics.push_back(e.statistic);
  spec.notListwise = notListwise;
  return RunCube(cases.source, spec).groups.at(0);
}

class AggregationOracle : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { cases.source.SetBulkAccess(GetParam()); }
  OracleCases cases;
  Expected expected = ReadExpected();
};

TEST_P(AggregationOracle, MomentsOrderStatisticsAndMedianIntervalPerGroup) {
  const int x = cases.x;
  AggregationStatistic interval(kStatMedianCI);
  interval.SetVarIndex(x);
  const std::vector<Expectation> expectations = {
      {"validn", Stat(kStatValidN, x)},      {"sum", Stat(kStatSum, x)},
      {"mean", Stat(kStatMean, x)},          {"min", Stat(kStatMinimum, x)},
      {"max", Stat(kStatMaximum, x)},        {"median", Stat(kStatMedian, x)},
      {"p25", Stat(kStatPercentile, x, 25)}, {"p90", Stat(kStatPercentile, x, 90)},
      {"sd", Stat(kStatStdDev, x)},          {"var", Stat(kStatVariance, x)},
      {"se", Stat(kStatSeMean, x)},          {"median", interval, 0},
      {"medci_low", interval, 1},            {"medci_high", interval, 2},
  };
  ExpectCells(RunByGroup(cases, cases.g, expectations), expected["plain"], expectations);
}

TEST_P(AggregationOracle, CaseWeightsApplyToEveryStatistic) {
  cases.source.SetWeight(cases.w);
  const int x = cases.x;
  const std::vector<Expectation> expectations = {
      {"validn", Stat(kStatValidN, x)}, {"mean", Stat(kStatMean, x)}, {"sum", Stat(kStatSum, x)},
      {"var", Stat(kStatVariance, x)},  {"sd", Stat(kStatStdDev, x)}, {"se", Stat(kStatSeMean, x)},
  };
  auto weighted = expected["weighted"];
  for (auto& [key, stats] : weighted) stats.erase("count");
  ExpectCells(RunByGroup(cases, cases.g, expectations), weighted, expectations);

  // Category counts weigh every case of the cell, valid x or not.
  CubeSpec counts;
  counts.breaks = {new AggregationVariable(cases.g, "g")};
  counts.statistics = {AggregationStatistic(kStatCount)};
  counts.categoryStatistics = true;
  const CellResults cells = RunCube(cases.source, counts).groups.at(0);
  for (const auto& [key, stats] : expected["weighted"])
    EXPECT_NEAR(double(cells.at(key)[0]), stats.at("count"), 1e-12) << key;
}

// Counts, sums and means asked alone are kept without squares or extremes:
// the same numbers, weighted or not.
TEST_P(AggregationOracle, SumsAndMeansAlone) {
  const int x = cases.x;
  const std::vector<Expectation> expectations = {
      {"validn", Stat(kStatValidN, x)}, {"sum", Stat(kStatSum, x)}, {"mean", Stat(kStatMean, x)}};
  ExpectCells(RunByGroup(cases, cases.g, expectations), expected["plain"], expectations);
  cases.source.SetWeight(cases.w);
  ExpectCells(RunByGroup(cases, cases.g, expectations), expected["weighted"], expectations);
}

TEST_P(AggregationOracle, WholeWeightsGivePercentilesOfTheExpandedCases) {
  cases.source.SetWeight(cases.f);
  const int x = cases.x;
  const std::vector<Expectation> expectations = {
      {"median", Stat(kStatMedian, x)},
      {"p25", Stat(kStatPercentile, x, 25)},
      {"p90", Stat(kStatPercentile, x, 90)},
  };
  auto frequency = expected["frequency"];
  frequency["5"];  // group 5 enters the cube without a valid x
  ExpectCells(RunByGroup(cases, cases.g, expectations), frequency, expectations);
}

TEST_P(AggregationOracle, StringBreakVariable) {
  const std::vector<Expectation> expectations = {{"validn", Stat(kStatValidN, cases.x)},
                                                 {"mean", Stat(kStatMean, cases.x)}};
  ExpectCells(RunByGroup(cases, cases.s, expectations), expected["string"], expectations);
}

TEST_P(AggregationOracle, ListwiseAndVariablewiseMissingValues) {
  const std::vector<Expectation> expectations = {{"count", Stat(kStatCount, cases.x)},
                                                 {"mean_x", Stat(kStatMean, cases.x)},
                                                 {"mean_y", Stat(kStatMean, cases.y)}};
  ExpectCells(RunByGroup(cases, cases.g, expectations), expected["listwise"], expectations);
  ExpectCells(RunByGroup(cases, cases.g, expectations, true), expected["variablewise"], expectations);
}

INSTANTIATE_TEST_SUITE_P(BulkAndCopied, AggregationOracle, ::testing::Bool());

TEST(DistributionFunctions, QuantilesMatchTheOracle) {
  Expected expected = ReadExpected();
  for (const auto& [p, byDf] : expected["idft"])
    for (const auto& [df, value] : byDf)
      EXPECT_NEAR(CtaDistFun::IdfT(std::stod(p), std::stod(df)), value, 1e-9 * std::fabs(value)) << p << " " << df;
  for (const auto& [p, byShape] : expected["idfbet"]) {
    for (const auto& [shape, value] : byShape) {
      const double a = std::stod(shape), b = std::stod(shape.substr(shape.find(',') + 1));
      EXPECT_NEAR(CtaDistFun::IdfBet(std::stod(p), a, b), value, 1e-9 * std::max(1e-3, value)) << p << " " << shape;
    }
  }
}

}  // namespace
