// Categories, cells, sets, split groups and the statistics worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "AggregationMCSet.h"
#include "AggregationMDSet.h"
#include "CtaDistFun.h"
#include "StatisticCodes.h"
#include "VEXA_Globals.h"
#include "engine/aggregation/PairIndex.h"
#include "tests/support/AggregateCells.h"
#include "testkit/MemoryCases.h"

namespace {

constexpr double M = kSysMiss;

AggregationStatistic Stat(int code, int column = -1) {
  AggregationStatistic statistic(code);
  statistic.SetVarIndex(column);
  return statistic;
}

// The first result of every cell.
std::map<std::string, double> FirstResults(const CellResults& cells) {
  std::map<std::string, double> out;
  for (const auto& [key, results] : cells) out[key] = results.at(0);
  return out;
}

CubeRun CountBy(MemoryDataSource& source, std::vector<AggregationVariable*> breaks) {
  CubeSpec spec;
  spec.breaks = std::move(breaks);
  spec.statistics = {Stat(kStatCount)};
  spec.categoryStatistics = true;
  return RunCube(source, spec);
}

struct TwoBreaks : ::testing::Test {
  MemoryDataSource source;
  int a = source.AddNumeric("a", {3, 1, 2, M, 9, 1, 2, 3});
  int t = source.AddString("t", 2, {"b", "a", "b", "a", "c", "B", "a", "b"});
  TwoBreaks() { source.Variable(a).AddMissing(9); }
};

TEST_F(TwoBreaks, MissingValuesLeaveTheCubeUnlessTheyAreCategories) {
  CubeRun excluded = CountBy(source, {new AggregationVariable(a, "a"), new AggregationVariable(t, "t")});
  EXPECT_EQ(excluded.categories[0][0], (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(excluded.categories[0][1], (std::vector<std::string>{"B", "a", "b"}));  // byte order
  EXPECT_EQ(FirstResults(excluded.groups[0]),
            (std::map<std::string, double>{{"1|B", 1}, {"1|a", 1}, {"2|a", 1}, {"2|b", 1}, {"3|b", 2}}));

  auto* kept = new AggregationVariable(a, "a");
  kept->SetExcludeMissing(false);
  CubeRun included = CountBy(source, {kept, new AggregationVariable(t, "t")});
  EXPECT_EQ(included.categories[0][0], (std::vector<std::string>{"sysmis", "1", "2", "3", "9"}));
  EXPECT_EQ(included.categories[0][1], (std::vector<std::string>{"B", "a", "b", "c"}));
  EXPECT_EQ(included.groups[0].size(), 7u);
  EXPECT_EQ(double(included.groups[0].at("sysmis|a")[0]), 1);
  EXPECT_EQ(double(included.groups[0].at("9|c")[0]), 1);
}

TEST_F(TwoBreaks, AskingForACellNoCaseEnteredGivesNothing) {
  std::unique_ptr<VEXA_InputCaseIterator> cases(source.CreateCaseIterator(0));
  AggregationTable table(cases.get(), false, false, -1);
  AggregationCube* cube = table.CreateCube();
  EXPECT_EQ(table.CreateCube(), nullptr);
  auto* first = new AggregationVariable(a, "a");
  auto* second = new AggregationVariable(t, "t");
  cube->AddCategoricalVariable(first, 0);
  cube->AddCategoricalVariable(second, 0);
  CubeAggregator* aggregator = cube->CreateCubeAggregator();
  cube->AddCategoryStatistics({Stat(kStatCount)}, first);
  while (cases->NextCase()) table.AddNewCase();
  const auto& as = first->GetTableDimension()->GetCategories();
  const auto& ts = second->GetTableDimension()->GetCategories();
  EXPECT_EQ(aggregator->GetStatValues({&as[0], &ts[2]}, -1), nullptr);  // 1, "b"
  EXPECT_NE(aggregator->GetStatValues({&as[0], &ts[1]}, -1), nullptr);  // 1, "a"
  EXPECT_EQ(aggregator->GetStatValues({&as[0]}, -1), nullptr);          // path too short
  EXPECT_EQ(aggregator->GetStatValues({&ts[1], &as[0]}, -1), nullptr);  // wrong dimensions
  EXPECT_EQ(table.GetCubeAggregators(), std::vector<CubeAggregator*>{aggregator});
}

TEST_F(TwoBreaks, FilledCellPathsListOnlyCellsCasesEnteredInPathOrder) {
  std::unique_ptr<VEXA_InputCaseIterator> cases(source.CreateCaseIterator(0));
  AggregationTable table(cases.get(), false, false, -1);
  AggregationCube* cube = table.CreateCube();
  auto* first = new AggregationVariable(a, "a");
  cube->AddCategoricalVariable(first, 0);
  cube->AddCategoricalVariable(new AggregationVariable(t, "t"), 0);
  CubeAggregator* aggregator = cube->CreateCubeAggregator();
  cube->AddCategoryStatistics({Stat(kStatCount)}, first);
  while (cases->NextCase()) table.AddNewCase();
  // a: 1 2 3; t: "B" "a" "b". Cells 1|B 1|a 2|a 2|b 3|b, of the nine.
  EXPECT_EQ(aggregator->GetFilledCellPaths(), (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 2, 2, 2}));
  table.ResetAggregator();
  EXPECT_TRUE(aggregator->GetFilledCellPaths().empty());
}

TEST(CaseWeights, ACaseWithoutPositiveWeightEntersNoCell) {
  MemoryDataSource source;
  const int g = source.AddNumeric("g", {1, 1, 2, 3, 4});
  const int w = source.AddNumeric("w", {2, 0.5, 0, -1, M});
  source.SetWeight(w);
  CubeRun run = CountBy(source, {new AggregationVariable(g, "g")});
  EXPECT_EQ(run.categories[0][0], std::vector<std::string>{"1"});
  EXPECT_EQ(double(run.groups[0].at("1")[0]), 2.5);
}

TEST(SplitGroups, EachGroupHoldsOnlyItsOwnCells) {
  MemoryDataSource source;
  const int split = source.AddNumeric("k", {1, 1, 2, 2, 2, 3});
  const int g = source.AddNumeric("g", {5, 6, 6, 7, 7, 5});
  const int x = source.AddNumeric("x", {1, 2, 3, 4, 6, 8});
  source.SetSplits({split});
  for (bool bulk : {true, false}) {
    source.SetBulkAccess(bulk);
    CubeSpec spec;
    spec.breaks = {new AggregationVariable(g, "g")};
    spec.statistics = {Stat(kStatMean, x), Stat(kStatCount, x)};
    CubeRun run = RunCube(source, spec);
    ASSERT_EQ(run.groups.size(), 3u);
    EXPECT_EQ(FirstResults(run.groups[0]), (std::map<std::string, double>{{"5", 1}, {"6", 2}}));
    EXPECT_EQ(FirstResults(run.groups[1]), (std::map<std::string, double>{{"6", 3}, {"7", 5}}));
    EXPECT_EQ(FirstResults(run.groups[2]), (std::map<std::string, double>{{"5", 8}}));
    EXPECT_EQ(double(run.groups[1].at("7")[1]), 2);
  }
}

// Members m1..m3 of a category set; x a scale variable.
struct CategorySet : ::testing::Test {
  MemoryDataSource source;
  int m1 = source.AddNumeric("m1", {1, 2, M, 3});
  int m2 = source.AddNumeric("m2", {2, M, M, 3});
  int m3 = source.AddNumeric("m3", {1, 3, M, 3});
  int x = source.AddNumeric("x", {10, 20, 30, 40});

  CubeRun Responses(bool duplicates, bool excludeMissing = true) {
    CubeSpec spec;
    auto* set = new AggregationMCSet({m1, m2, m3}, "$set");
    set->SetExcludeMissing(excludeMissing);
    spec.breaks = {set};
    spec.statistics = {Stat(kStatCount), Stat(kStatResponses), Stat(kStatPctResponses)};
    spec.categoryStatistics = true;
    spec.duplicates = duplicates;
    return RunCube(source, spec);
  }
};

TEST_F(CategorySet, CasesEnterEachValueOnceOrOncePerMember) {
  struct Row {
    const char* category;
    double count, responses, percent;
  };
  const std::vector<Row> noDuplicates = {{"1", 1, 1, 20}, {"2", 2, 2, 40}, {"3", 2, 2, 40}};
  const std::vector<Row> duplicates = {{"1", 1, 2, 25}, {"2", 2, 2, 25}, {"3", 2, 4, 50}};
  for (bool dup : {false, true}) {
    SCOPED_TRACE(dup ? "with duplicates" : "without duplicates");
    CubeRun run = Responses(dup);
    EXPECT_EQ(run.categories[0][0], (std::vector<std::string>{"1", "2", "3"}));
    for (const Row& row : dup ? duplicates : noDuplicates) {
      const std::vector<AggregationResult>& r = run.groups[0].at(row.category);
      EXPECT_EQ(double(r[0]), row.count) << row.category;
      EXPECT_EQ(double(r[1]), row.responses) << row.category;
      EXPECT_DOUBLE_EQ(double(r[2]), row.percent) << row.category;
    }
  }
}

TEST_F(CategorySet, MissingIsACategoryWhenNotExcluded) {
  CubeRun run = Responses(true, false);
  EXPECT_EQ(run.categories[0][0], (std::vector<std::string>{"sysmis", "1", "2", "3"}));
  EXPECT_EQ(double(run.groups[0].at("sysmis")[0]), 2);      // cases 2 and 3
  EXPECT_EQ(double(run.groups[0].at("sysmis")[1]), 4);      // 1 + 3 members
}

TEST_F(CategorySet, ScaleStatisticsCrossedWithAnotherBreakVariable) {
  const int g = source.AddNumeric("g", {1, 1, 2, 2});
  CubeSpec spec;
  spec.breaks = {new AggregationMCSet({m1, m2, m3}, "$set"), new AggregationVariable(g, "g")};
  spec.statistics = {Stat(kStatMean, x), Stat(kStatCount, x)};
  CubeRun run = RunCube(source, spec);
  EXPECT_EQ(FirstResults(run.groups[0]),
            (std::map<std::string, double>{{"1|1", 10}, {"2|1", 15}, {"3|1", 20}, {"3|2", 40}}));
}

TEST(DichotomySet, MembersHoldingTheCountedValueInSetOrder) {
  MemoryDataSource source;
  const int first = source.AddNumeric("first", {1, 0, 1, 0});
  const int second = source.AddNumeric("second_member", {0, 0, 1, 0});
  const int third = source.AddNumeric("d3", {1, 0, M, 1});
  const OBS one{1.0};
  CubeSpec spec;
  spec.breaks = {new AggregationMDSet({third, first, second}, "$dich", &one, 8, false)};
  spec.statistics = {Stat(kStatCount), Stat(kStatPctResponses)};
  spec.categoryStatistics = true;
  CubeRun run = RunCube(source, spec);
  EXPECT_EQ(run.categories[0][0], (std::vector<std::string>{"d3", "first", "second_member"}));
  EXPECT_EQ(FirstResults(run.groups[0]),
            (std::map<std::string, double>{{"d3", 2}, {"first", 2}, {"second_member", 1}}));
  EXPECT_DOUBLE_EQ(double(run.groups[0].at("d3")[1]), 40);
}

TEST(DichotomySet, TextCountedValueComparesBlankPadded) {
  MemoryDataSource source;
  const int q1 = source.AddString("q1", 3, {"yes", "no", "yes"});
  const int q2 = source.AddString("q2", 12, {"yes", "yes", "no"});
  OBS counted;
  std::memcpy(counted.text, "yes     ", 8);
  CubeSpec spec;
  spec.breaks = {new AggregationMDSet({q1, q2}, "$yes", &counted, 1, false)};
  spec.statistics = {Stat(kStatCount)};
  spec.categoryStatistics = true;
  EXPECT_EQ(FirstResults(RunCube(source, spec).groups[0]),
            (std::map<std::string, double>{{"q1", 2}, {"q2", 2}}));
}

// One cell (no break variable) over x, optionally weighted.
std::vector<double> Summaries(const std::vector<double>& x, const std::vector<double>& w,
                              const std::vector<AggregationStatistic>& statistics) {
  MemoryDataSource source;
  const int column = source.AddNumeric("x", x);
  if (!w.empty()) source.SetWeight(source.AddNumeric("w", w));
  CubeSpec spec;
  for (AggregationStatistic statistic : statistics) {
    statistic.SetVarIndex(column);
    spec.statistics.push_back(statistic);
  }
  const CubeRun run = RunCube(source, spec);
  std::vector<double> out;
  for (const AggregationResult& r : run.groups.at(0).at("")) out.push_back(r);
  return out;
}

AggregationStatistic WithParameter(int code, double parameter, double upper = 0) {
  AggregationStatistic statistic(code);
  statistic.SetLowerLimit(parameter);
  if (upper != 0) statistic.SetUpperLimit(upper);
  return statistic;
}

TEST(CellStatistics, ModeAndGroupedPercentiles) {
  AggregationStatistic gptile25(kStatGroupedPercentile), gptile90(kStatGroupedPercentile);
  gptile25.SetPTileCutPoint(25);
  gptile90.SetPTileCutPoint(90);
  const std::vector<AggregationStatistic> stats = {AggregationStatistic(kStatMode),
                                                   AggregationStatistic(kStatGroupedMedian), gptile25,
                                                   gptile90};
  // Classes [0.5, 1.5], [1.5, 2.5], [2.5, 3.5]; ties of the mode go to the smallest value.
  EXPECT_EQ(Summaries({3, 1, 2, 2, 1, 3}, {}, stats), (std::vector<double>{1, 2, 1.25, 3.2}));
  // Uneven spacing: the classes of 10, 20, 40 are [5, 15], [15, 30], [30, 50].
  EXPECT_EQ(Summaries({10, 20, 40}, {}, stats), (std::vector<double>{10, 22.5, 12.5, 44}));
  // Weights: 3 carries the most; one distinct value is its own percentile.
  EXPECT_EQ(Summaries({1, 1, 3}, {0.5, 0.5, 1.5}, stats)[0], 3);
  EXPECT_EQ(Summaries({7, 7}, {}, stats), (std::vector<double>{7, 7, 7, 7}));
}

TEST(CellStatistics, ShareOfValuesAgainstLimits) {
  struct Case {
    AggregationStatistic statistic;
    double expected;
  };
  const std::vector<Case> cases = {
      {WithParameter(kStatPctLessThan, 3), 40},     {WithParameter(kStatCountLessThan, 3), 2},
      {WithParameter(kStatPctLessEqual, 3), 60},    {WithParameter(kStatCountLessEqual, 3), 3},
      {WithParameter(kStatPctGreaterThan, 3), 40},  {WithParameter(kStatCountGreaterThan, 3), 2},
      {WithParameter(kStatPctGreaterEqual, 3), 60}, {WithParameter(kStatCountGreaterEqual, 3), 3},
      {WithParameter(kStatPctEqual, 3), 20},        {WithParameter(kStatCountEqual, 3), 1},
      {WithParameter(kStatPctInside, 2, 4), 60},    {WithParameter(kStatCountInside, 2, 4), 3},
      {WithParameter(kStatPctInside, 4, 2), 0},
  };
  std::vector<AggregationStatistic> stats;
  for (const Case& c : cases) stats.push_back(c.statistic);
  const std::vector<double> unweighted = Summaries({5, 1, 4, 3, 2, M}, {}, stats);
  const std::vector<double> weighted = Summaries({5, 1, 4, 3, 2, M}, {2, 2, 2, 2, 2, 2}, stats);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_DOUBLE_EQ(unweighted[i], cases[i].expected) << i;
    const bool isCount = i % 2 == 1 && i < 12;
    EXPECT_DOUBLE_EQ(weighted[i], cases[i].expected * (isCount ? 2 : 1)) << i;
  }
}

TEST(CellStatistics, NoValidValueOrASingleCase) {
  const std::vector<AggregationStatistic> stats = {
      AggregationStatistic(kStatValidN), AggregationStatistic(kStatMean),  AggregationStatistic(kStatSum),
      AggregationStatistic(kStatStdDev), AggregationStatistic(kStatSeMean), AggregationStatistic(kStatMedian),
      WithParameter(kStatCountLessThan, 1), WithParameter(kStatPctLessThan, 1),
      AggregationStatistic(kStatMedianCI)};
  EXPECT_EQ(Summaries({M, M}, {}, stats), (std::vector<double>{0, M, M, M, M, M, 0, M, M}));
  EXPECT_EQ(Summaries({4, M}, {}, stats), (std::vector<double>{1, 4, 4, M, M, 4, 0, 0, 4}));
}

// Sums never overflow needlessly and keep what a plain sum rounds away, alone
// (the weight and the sum) or beside the moments a deviation needs; a sum
// beyond the double range is infinite, for the module to report.
TEST(CellStatistics, SumsAreCompensatedAndOverflowOnlyWhenTheyMust) {
  const AggregationStatistic sum(kStatSum), mean(kStatMean), sd(kStatStdDev);
  for (const std::vector<AggregationStatistic>& stats :
       {std::vector<AggregationStatistic>{sum, mean}, std::vector<AggregationStatistic>{sum, mean, sd}}) {
    const bool moments = stats.size() == 3;
    EXPECT_EQ(Summaries({-1e308, 1e308}, {}, stats)[0], 0) << moments;
    EXPECT_EQ(Summaries({1e16, 1, -1e16}, {}, stats)[0], 1) << moments;
    EXPECT_EQ(Summaries({1e308, 1e308}, {}, stats)[0], HUGE_VAL) << moments;
    EXPECT_EQ(Summaries({1e308, 1e308}, {}, stats)[1], HUGE_VAL) << moments;
    EXPECT_EQ(Summaries({-1e308, -1e308}, {}, stats)[0], -HUGE_VAL) << moments;
  }
  EXPECT_EQ(Summaries({1, 2}, {1e308, 1e308}, {AggregationStatistic(kStatCount)})[0], HUGE_VAL);
}

TEST(AggregationStatisticParameters, OneParameterFunctionsReportTheirValueAsLowerLimit) {
  struct Case {
    int code;
    int setter;  // 0 cut point, 1 lower, 2 upper
    double lower, upper;
  };
  const std::vector<Case> cases = {
      {kStatPercentile, 0, 30, 30},   {kStatGroupedPercentile, 0, 30, 30}, {kStatPctLessThan, 2, 30, 30},
      {kStatCountLessThan, 2, 30, 30}, {kStatPctGreaterEqual, 1, 30, 30},   {kStatPctInside, 1, 30, 0},
      {kStatCountInside, 2, 0, 30},    {kStatMean, 1, 30, 0},
  };
  for (const Case& c : cases) {
    AggregationStatistic statistic(c.code);
    if (c.setter == 0) statistic.SetPTileCutPoint(30);
    if (c.setter == 1) statistic.SetLowerLimit(30);
    if (c.setter == 2) statistic.SetUpperLimit(30);
    EXPECT_EQ(statistic.GetLowerLimit(), c.lower) << c.code;
    EXPECT_EQ(statistic.GetUpperLimit(), c.upper) << c.code;
  }
  EXPECT_EQ(AggregationStatistic(kStatGroupedMedian).GetLowerLimit(), 50);
  EXPECT_EQ(AggregationStatistic(kStatMedianCI).GetCIMedian(), 95);
}

TEST(DistributionFunctions, EdgesOfTheDomain) {
  EXPECT_EQ(CtaDistFun::IdfT(0.5, 0), kSysMiss);
  EXPECT_EQ(CtaDistFun::IdfT(0.5, -2), kSysMiss);
  EXPECT_EQ(CtaDistFun::IdfT(1.5, 3), kSysMiss);
  EXPECT_EQ(CtaDistFun::IdfT(std::nan(""), 3), kSysMiss);
  EXPECT_EQ(CtaDistFun::IdfT(1, 3), VEXA_Globals::infinity);
  EXPECT_EQ(CtaDistFun::IdfT(0, 3), -VEXA_Globals::infinity);
  EXPECT_EQ(CtaDistFun::IdfT(0.5, 7), 0);
  EXPECT_EQ(CtaDistFun::IdfBet(0.5, 0, 1), kSysMiss);
  EXPECT_EQ(CtaDistFun::IdfBet(-0.1, 1, 1), kSysMiss);
  EXPECT_EQ(CtaDistFun::IdfBet(0, 2, 3), 0);
  EXPECT_EQ(CtaDistFun::IdfBet(1, 2, 3), 1);
}

// Fractional and large category values, long texts, and cases added in
// broken runs across chunk borders: the counts and sums must match a direct
// tally.
TEST(LargeCubes, SparseCellsAndBrokenRunsMatchADirectTally) {
  std::mt19937 random(7);
  const int rows = 150000;
  std::vector<double> a(rows), b(rows), x(rows);
  std::vector<std::string> t(rows);
  for (int i = 0; i < rows; ++i) {
    a[i] = static_cast<double>(random() % 200) * 0.5 - 20;
    b[i] = static_cast<double>(random() % 150) + (i % 5 == 0 ? 1e6 : 0);
    t[i] = "label-" + std::to_string(random() % 7);
    x[i] = static_cast<double>(random() % 1000) / 8;
  }
  MemoryDataSource source;
  const int ca = source.AddNumeric("a", a), cb = source.AddNumeric("b", b);
  const int ct = source.AddString("t", 12, t), cx = source.AddNumeric("x", x);
  auto keep = [](long caseNumber) { return caseNumber % 7 != 3 && (caseNumber / 1000) % 9 != 4; };
  std::map<std::string, std::pair<double, double>> tally;  // count, sum
  char key[96];
  for (int i = 0; i < rows; ++i) {
    if (!keep(i + 1)) continue;
    std::snprintf(key, sizeof key, "%.10g|%.10g|%s", a[i], b[i], t[i].c_str());
    tally[key].first += 1;
    tally[key].second += x[i];
  }
  for (bool bulk : {true, false}) {
    source.SetBulkAccess(bulk);
    CubeSpec spec;
    spec.breaks = {new AggregationVariable(ca, "a"), new AggregationVariable(cb, "b"),
                   new AggregationVariable(ct, "t")};
    spec.statistics = {Stat(kStatCount, cx), Stat(kStatSum, cx)};
    spec.keep = keep;
    const CellResults cells = RunCube(source, spec).groups.at(0);
    ASSERT_EQ(cells.size(), tally.size());
    for (const auto& [k, expected] : tally) {
      ASSERT_TRUE(cells.count(k)) << k;
      EXPECT_EQ(double(cells.at(k)[0]), expected.first) << k;
      EXPECT_NEAR(double(cells.at(k)[1]), expected.second, 1e-9) << k;
    }
  }
}

// Whole numbers inside and just outside the range looked up by table, -0,
// fractions and missing values, over many batches: the codes the table
// remembers must agree with the first batch's, a user-missing value included.
TEST(LargeCubes, CategoryValuesAtTheEdgesOfTheLookupTable) {
  const std::vector<double> cycle = {-1025, -1024, -0.0, 0, 8191, 8192, 9, 2.5, M, 1e15};
  std::vector<double> a;
  for (int i = 0; i < 50000; ++i) a.push_back(cycle[(i * 7) % cycle.size()]);
  MemoryDataSource source;
  const int ca = source.AddNumeric("a", a);
  source.Variable(ca).AddMissing(9);
  const int each = 5000;
  const std::map<std::string, double> expected = {{"-1025", each}, {"-1024", each}, {"0", 2 * each}, {"8191", each},
                                                   {"8192", each},  {"2.5", each},   {"1e+15", each}};
  EXPECT_EQ(FirstResults(CountBy(source, {new AggregationVariable(ca, "a")}).groups[0]), expected);
}

// Two numeric break variables whose values spread out batch after batch,
// past what a table indexed by the values may hold, with fractions, missing
// values and cases without weight among them: every cell must match a
// direct tally, and no cell may come from cases without weight alone.
TEST(LargeCubes, SpreadingWholeValuesMatchADirectTally) {
  std::mt19937 random(11);
  const int rows = 60000;
  std::vector<double> a(rows), b(rows), w(rows), x(rows);
  for (int i = 0; i < rows; ++i) {
    const int spread = i < 10000 ? 4 : i < 30000 ? 40 : 600;  // 600 x 600 outgrows the table
    a[i] = static_cast<double>(random() % spread) - (i % 11 == 0 ? 7 : 0);
    b[i] = i % 13 == 0 ? 2.5 : i % 17 == 0 ? M : i % 19 == 0 ? 99 : static_cast<double>(random() % spread);
    w[i] = i % 23 == 0 ? 0 : 1 + static_cast<double>(i % 3);
    x[i] = static_cast<double>(random() % 100);
  }
  a[rows - 1] = b[rows - 1] = 12345;  // a pair met only in a case without weight
  w[rows - 1] = 0;
  MemoryDataSource source;
  const int ca = source.AddNumeric("a", a), cb = source.AddNumeric("b", b);
  const int cw = source.AddNumeric("w", w), cx = source.AddNumeric("x", x);
  source.Variable(cb).AddMissing(99);
  source.SetWeight(cw);
  std::map<std::string, std::pair<double, double>> tally;  // weighted count, weighted sum
  char key[64];
  for (int i = 0; i < rows; ++i) {
    if (w[i] == 0 || b[i] == M || b[i] == 99) continue;
    std::snprintf(key, sizeof key, "%.10g|%.10g", a[i], b[i]);
    tally[key].first += w[i];
    tally[key].second += w[i] * x[i];
  }
  for (bool bulk : {true, false}) {
    source.SetBulkAccess(bulk);
    CubeSpec spec;
    spec.breaks = {new AggregationVariable(ca, "a"), new AggregationVariable(cb, "b")};
    spec.statistics = {Stat(kStatCount, cx), Stat(kStatSum, cx)};
    const CellResults cells = RunCube(source, spec).groups.at(0);
    ASSERT_EQ(cells.size(), tally.size());
    for (const auto& [k, expected] : tally) {
      ASSERT_TRUE(cells.count(k)) << k;
      EXPECT_EQ(double(cells.at(k)[0]), expected.first) << k;
      EXPECT_EQ(double(cells.at(k)[1]), expected.second) << k;
    }
  }
}

// Past its table's limit the index moves to a hash map and keeps every number.
TEST(PairIndex, KeepsNumbersWhenTheTableGivesWayToAHashMap) {
  PairIndex index;
  std::map<std::pair<int, int>, int> seen;
  bool added = false;
  for (int i = 0; i < 300000; ++i) {
    const int a = static_cast<int>((i * 7919L) % 5000), b = static_cast<int>((i * 104729L) % 3000);
    const int id = index.FindOrAdd(a, b, &added);
    auto [it, fresh] = seen.try_emplace({a, b}, id);
    ASSERT_EQ(added, fresh);
    ASSERT_EQ(id, it->second);
  }
  EXPECT_EQ(index.Count(), static_cast<int>(seen.size()));
  for (const auto& [pair, id] : seen) ASSERT_EQ(index.Find(pair.first, pair.second), id);
  EXPECT_EQ(index.Find(4999, 2999 + 1), -1);
}

}  // namespace
