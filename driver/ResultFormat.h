#pragma once
#include "host/chart/ChartString.h"
#include "host/engine/VEXA_Format.h"

class GGraphStatistic;
class VEXA_Variable;
class XVariable;

// The chart format of a statistic's results: its decimals (-1 when no rule
// gives them), currency or percent signs, whether it spreads dates, and the
// variable whose own format serves when there are no decimals.
struct ResultFormat {
  // The format a statistic's results take.
  static ResultFormat Of(const GGraphStatistic& statistic);

  int decimals = -1;
  ChartString prefix;
  ChartString suffix;
  bool dateSpread = false;
  const VEXA_Variable* variable = nullptr;

  // Without decimals: the date-spread format, else the variable's own format,
  // else none. With decimals: a number format with those decimals and signs.
  void ApplyTo(XVariable& chartVariable, bool grouping) const;
};

// The chart's format for a spread of dates or times: a duration in days.
inline constexpr VEXA_Format kDateSpreadFormat = PackFormat(25, 0, 12);
