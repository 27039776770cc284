#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "AggregationResult.h"
#include "model/GGraphStatistic.h"

namespace {

struct OracleCase {
  const char* function;
  double level;  // as written in the command
  double value;
  double result;
  double count;
  double low;
  double high;
};

// Bounds computed by R's qt and qbeta (fixtures/interval_oracle.R).
const OracleCase kOracle[] = {
#include "tests/module/fixtures/IntervalOracle.inc"
};

class IntervalBounds : public ::testing::TestWithParam<OracleCase> {};

TEST_P(IntervalBounds, AgreeWithTheOracle) {
  const OracleCase& c = GetParam();
  GGraphStatistic statistic(c.function, nullptr);
  std::string text = std::to_string(c.level);
  if (statistic.TakesVariable()) {
    statistic.SetMainParameter("x", 0);
    statistic.SetParameter(1, c.level, text);
  } else {
    statistic.SetMainParameter(text, c.level);
  }
  double low = 0, high = 0;
  ASSERT_TRUE(statistic.ComputeInterval(c.value, AggregationResult(c.result), c.count, low, high));
  EXPECT_NEAR(low, c.low, 1e-9 * std::max(1.0, std::fabs(c.low)));
  EXPECT_NEAR(high, c.high, 1e-9 * std::max(1.0, std::fabs(c.high)));
  EXPECT_FALSE(statistic.HasMissingBound());
}

INSTANTIATE_TEST_SUITE_P(R, IntervalBounds, ::testing::ValuesIn(kOracle),
                         [](const auto& info) { return std::string(info.param.function) + std::to_string(info.index); });

TEST(MedianInterval, TakesTheBoundsTheAggregationComputed) {
  GGraphStatistic statistic("MEDIANCI", nullptr);
  statistic.SetMainParameter("x", 0);
  double low = 0, high = 0;
  ASSERT_TRUE(statistic.ComputeInterval(5, AggregationResult(5, 3.5, 7.25), 40, low, high));
  EXPECT_EQ(low, 3.5);
  EXPECT_EQ(high, 7.25);
  EXPECT_FALSE(statistic.HasMissingBound());
}

TEST(IntervalBoundsOutOfRange, BecomeSystemMissingAndMarkTheStatistic) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* function;
    AggregationResult result;
  };
  for (const Case& c : {Case{"MEDIANCI", AggregationResult(5, -kInf, DBL_MAX)},
                        Case{"MEDIANCI", AggregationResult(5, -DBL_MAX, kInf)},
                        Case{"MEANSD", AggregationResult(kInf)}}) {
    GGraphStatistic statistic(c.function, nullptr);
    statistic.SetMainParameter("x", 0);
    double low = 0, high = 0;
    ASSERT_TRUE(statistic.ComputeInterval(5, c.result, 40, low, high)) << c.function;
    EXPECT_EQ(low, kSysMiss) << c.function;
    EXPECT_EQ(high, kSysMiss) << c.function;
    EXPECT_TRUE(statistic.HasMissingBound()) << c.function;
  }
}

TEST(IntervalBoundsOutOfRange, OneBoundAloneIsReplaced) {
  GGraphStatistic statistic("MEDIANCI", nullptr);
  double low = 0, high = 0;
  ASSERT_TRUE(statistic.ComputeInterval(5, AggregationResult(5, 1, std::numeric_limits<double>::infinity()), 40,
                                        low, high));
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, kSysMiss);
  EXPECT_TRUE(statistic.HasMissingBound());
}

TEST(IntervalBoundsOfOtherFunctions, AreNotComputed) {
  GGraphStatistic statistic("MEAN", nullptr);
  double low = -1, high = -1;
  EXPECT_FALSE(statistic.ComputeInterval(5, AggregationResult(1), 40, low, high));
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 0);
  EXPECT_FALSE(statistic.HasMissingBound());
}

}  // namespace
