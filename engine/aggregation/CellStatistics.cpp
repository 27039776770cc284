#include "engine/aggregation/CellStatistics.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "StatisticCodes.h"
#include "engine/aggregation/OrderStatistics.h"

namespace {

struct CodeChannel {
  int code;
  ChannelKind channel;
};

constexpr CodeChannel kChannels[] = {
    {kStatCount, ChannelKind::kCount},
    {kStatResponses, ChannelKind::kCount},
    {kStatPctResponses, ChannelKind::kCount},
    {kStatValidN, ChannelKind::kMoments},
    {kStatSum, ChannelKind::kMoments},
    {kStatMean, ChannelKind::kMoments},
    {kStatMinimum, ChannelKind::kMoments},
    {kStatMaximum, ChannelKind::kMoments},
    {kStatStdDev, ChannelKind::kMoments},
    {kStatVariance, ChannelKind::kMoments},
    {kStatSeMean, ChannelKind::kMoments},
    {kStatMedian, ChannelKind::kValues},
    {kStatPercentile, ChannelKind::kValues},
    {kStatGroupedMedian, ChannelKind::kValues},
    {kStatGroupedPercentile, ChannelKind::kValues},
    {kStatMode, ChannelKind::kValues},
    {kStatMedianCI, ChannelKind::kValues},
    {kStatPctLessThan, ChannelKind::kValues},
    {kStatCountLessThan, ChannelKind::kValues},
    {kStatPctLessEqual, ChannelKind::kValues},
    {kStatCountLessEqual, ChannelKind::kValues},
    {kStatPctGreaterThan, ChannelKind::kValues},
    {kStatCountGreaterThan, ChannelKind::kValues},
    {kStatPctGreaterEqual, ChannelKind::kValues},
    {kStatCountGreaterEqual, ChannelKind::kValues},
    {kStatPctEqual, ChannelKind::kValues},
    {kStatCountEqual, ChannelKind::kValues},
    {kStatPctInside, ChannelKind::kValues},
    {kStatCountInside, ChannelKind::kValues},
};

// The P.../N... functions: which values they count and whether as a percentage.
struct Share {
  int code;
  bool percent;
  bool (*holds)(double x, double lower, double upper);
};

constexpr Share kShares[] = {
    {kStatPctLessThan, true, [](double x, double, double u) { return x < u; }},
    {kStatCountLessThan, false, [](double x, double, double u) { return x < u; }},
    {kStatPctLessEqual, true, [](double x, double l, double) { return x <= l; }},
    {kStatCountLessEqual, false, [](double x, double l, double) { return x <= l; }},
    {kStatPctGreaterThan, true, [](double x, double l, double) { return x > l; }},
    {kStatCountGreaterThan, false, [](double x, double l, double) { return x > l; }},
    {kStatPctGreaterEqual, true, [](double x, double l, double) { return x >= l; }},
    {kStatCountGreaterEqual, false, [](double x, double l, double) { return x >= l; }},
    {kStatPctEqual, true, [](double x, double l, double) { return x == l; }},
    {kStatCountEqual, false, [](double x, double l, double) { return x == l; }},
    {kStatPctInside, true, [](double x, double l, double u) { return l <= x && x <= u; }},
    {kStatCountInside, false, [](double x, double l, double u) { return l <= x && x <= u; }},
};

double Variance(const Moments& m) {
  if (m.weight <= 1) return kSysMiss;
  const double squares = m.sumSquares - m.sum * m.sum / m.weight;
  return std::max(squares, 0.0) / (m.weight - 1);
}

double StdDev(const Moments& m) {
  const double variance = Variance(m);
  return variance == kSysMiss ? kSysMiss : std::sqrt(variance);
}

double WeightOf(const ValueBucket& bucket, std::size_t i) {
  return bucket.weights.empty() ? 1.0 : bucket.weights[i];
}

AggregationResult ShareResult(const Share& share, const AggregationStatistic& statistic,
                              const ValueBucket& bucket) {
  double inside = 0, total = 0;
  const double lower = statistic.GetLowerLimit(), upper = statistic.GetUpperLimit();
  for (std::size_t i = 0; i < bucket.values.size(); ++i) {
    const double w = WeightOf(bucket, i);
    total += w;
    if (share.holds(bucket.values[i], lower, upper)) inside += w;
  }
  if (!share.percent) return AggregationResult(inside);
  return AggregationResult(total > 0 ? 100 * inside / total : kSysMiss);
}

bool IsPercentage(double p) { return p > 0 && p < 100; }

AggregationResult MedianInterval(const AggregationStatistic& statistic, ValueBucket& bucket) {
  const double median = order_statistics::Percentile(bucket.values, bucket.weights, 50);
  double total = 0;
  for (std::size_t i = 0; i < bucket.values.size(); ++i) total += WeightOf(bucket, i);
  const long n = std::lround(total);
  const int r = order_statistics::MedianIntervalLowerRank(n, statistic.GetCIMedian());
  if (r < 1) return AggregationResult(median);
  const double low = order_statistics::ValueAtPosition(bucket.values, bucket.weights, r);
  const double high = order_statistics::ValueAtPosition(bucket.values, bucket.weights, n + 1 - r);
  return AggregationResult(median, low, high);
}

}  // namespace

ChannelKind ChannelOf(int summaryStatistic) {
  for (const CodeChannel& c : kChannels)
    if (c.code == summaryStatistic) return c.channel;
  return ChannelKind::kNone;
}

unsigned MomentPartsOf(int summaryStatistic) {
  switch (summaryStatistic) {
    case kStatMinimum:
    case kStatMaximum:
      return kMomentExtremes;
    case kStatStdDev:
    case kStatVariance:
    case kStatSeMean:
      return kMomentSquares;
    default:
      return 0;
  }
}

AggregationResult CountResult(const AggregationStatistic& statistic, const CountSums& sums,
                              double allResponses) {
  switch (statistic.GetSummaryStatistic()) {
    case kStatResponses:
      return AggregationResult(sums.responses);
    case kStatPctResponses:
      return AggregationResult(allResponses > 0 ? 100 * sums.responses / allResponses : kSysMiss);
    default:
      return AggregationResult(sums.cases);
  }
}

AggregationResult MomentResult(const AggregationStatistic& statistic, const Moments& m) {
  const int code = statistic.GetSummaryStatistic();
  if (code == kStatValidN) return AggregationResult(m.weight);
  if (m.weight <= 0) return AggregationResult();
  switch (code) {
    case kStatSum:
      return AggregationResult(m.total.Value());
    case kStatMean:
      return AggregationResult(m.total.Value() / m.weight);
    case kStatMinimum:
      return AggregationResult(m.min);
    case kStatMaximum:
      return AggregationResult(m.max);
    case kStatVariance:
      return AggregationResult(Variance(m));
    case kStatStdDev:
      return AggregationResult(StdDev(m));
    default: {  // standard error of the mean
      const double sd = StdDev(m);
      return AggregationResult(sd == kSysMiss ? kSysMiss : sd / std::sqrt(m.weight));
    }
  }
}

AggregationResult ValueResult(const AggregationStatistic& statistic, ValueBucket& bucket) {
  const int code = statistic.GetSummaryStatistic();
  for (const Share& share : kShares)
    if (share.code == code) return ShareResult(share, statistic, bucket);
  if (bucket.values.empty()) return AggregationResult();
  const double p = statistic.GetPTileCutPoint();
  switch (code) {
    case kStatMode:
      return AggregationResult(order_statistics::Mode(bucket.values, bucket.weights));
    case kStatMedianCI:
      return MedianInterval(statistic, bucket);
    case kStatGroupedMedian:
    case kStatGroupedPercentile:
      if (!IsPercentage(p)) return AggregationResult();
      return AggregationResult(order_statistics::GroupedPercentile(bucket.values, bucket.weights, p));
    default:  // median and percentile
      if (!IsPercentage(p)) return AggregationResult();
      return AggregationResult(order_statistics::Percentile(bucket.values, bucket.weights, p));
  }
}
