#include "AggregationStatistic.h"

#include <algorithm>
#include <iterator>

#include "StatisticCodes.h"

namespace {

// The functions whose one parameter the chart reads back as the lower limit.
constexpr int kSingleParameterCodes[] = {
    kStatMedian,          kStatGroupedMedian,    kStatPercentile,     kStatGroupedPercentile,
    kStatPctLessThan,     kStatCountLessThan,    kStatPctLessEqual,   kStatCountLessEqual,
    kStatPctGreaterThan,  kStatCountGreaterThan, kStatPctGreaterEqual, kStatCountGreaterEqual,
    kStatPctEqual,        kStatCountEqual,
};

}  // namespace

AggregationStatistic::AggregationStatistic(int summaryStatistic) : code_(summaryStatistic) {
  if (code_ == kStatMedian || code_ == kStatGroupedMedian) SetSingleParameter(50);
}

bool AggregationStatistic::IsCountType() const {
  return code_ == kStatCount || code_ == kStatResponses || code_ == kStatPctResponses;
}

bool AggregationStatistic::HasSingleParameter() const {
  return std::find(std::begin(kSingleParameterCodes), std::end(kSingleParameterCodes), code_) !=
         std::end(kSingleParameterCodes);
}

void AggregationStatistic::SetSingleParameter(double value) { cutPoint_ = lower_ = upper_ = value; }

void AggregationStatistic::SetPTileCutPoint(double percent) {
  if (HasSingleParameter()) {
    SetSingleParameter(percent);
  } else {
    cutPoint_ = percent;
  }
}

void AggregationStatistic::SetLowerLimit(double value) {
  if (HasSingleParameter()) {
    SetSingleParameter(value);
  } else {
    lower_ = value;
  }
}

void AggregationStatistic::SetUpperLimit(double value) {
  if (HasSingleParameter()) {
    SetSingleParameter(value);
  } else {
    upper_ = value;
  }
}
