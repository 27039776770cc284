#include "driver/ResultFormat.h"

#include "host/chart/XVariable.h"
#include "model/GGraphStatistic.h"

static_assert(kDateSpreadFormat == 1638412, "the chart library reads the date spread by this number");

ResultFormat ResultFormat::Of(const GGraphStatistic& statistic) {
  ResultFormat format;
  format.decimals = statistic.GetResultDecimals();
  format.prefix = statistic.GetResultPrefix();
  format.suffix = statistic.GetResultSuffix();
  format.dateSpread = statistic.IsDateSpread();
  format.variable = statistic.GetStatisticVariable();
  return format;
}

void ResultFormat::ApplyTo(XVariable& chartVariable, bool grouping) const {
  if (decimals >= 0)
    chartVariable.SetNumberFormat(decimals, grouping, prefix, suffix);
  else if (dateSpread)
    chartVariable.setFormat(kDateSpreadFormat);
  else if (variable)
    chartVariable.setFormatBasedOnVEXAVariable(variable);
}
