#include "driver/ApplyStatistic.h"

#include "host/chart/XVariable.h"
#include "host/engine/AggregationStatistic.h"
#include "model/StatisticCatalogue.h"

namespace {

double ValueOf(ChartParameter parameter, const AggregationStatistic& statistic) {
  switch (parameter) {
    case ChartParameter::kZero:
      return 0;
    case ChartParameter::kLowerLimit:
      return statistic.GetLowerLimit();
    case ChartParameter::kUpperLimit:
      return statistic.GetUpperLimit();
    case ChartParameter::kCutPoint:
      return statistic.GetPTileCutPoint();
  }
  return 0;
}

}  // namespace

void ApplyStatistic(const AggregationStatistic& statistic, XVariable& variable) {
  const ChartStatistic& chart = FindChartStatistic(statistic.GetSummaryStatistic());
  if (chart.kind == ChartStatistic::kNoChartStatistic) return;
  variable.setStatistic(chart.kind, ValueOf(chart.first, statistic), ValueOf(chart.second, statistic),
                        ValueOf(chart.third, statistic), chart.flag);
}
