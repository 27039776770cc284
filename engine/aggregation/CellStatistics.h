#pragma once
#include "AggregationResult.h"
#include "AggregationStatistic.h"
#include "engine/aggregation/CellAccumulators.h"

// Where a statistic's inputs are gathered.
enum class ChannelKind { kNone, kCount, kMoments, kValues };

// The channel a summary code reads; kNone for a code this library does not compute.
ChannelKind ChannelOf(int summaryStatistic);
// What a kMoments code reads besides the weight and the sum of the values.
enum MomentPart : unsigned { kMomentSquares = 1, kMomentExtremes = 2 };
unsigned MomentPartsOf(int summaryStatistic);

// One statistic of one cell. No valid value gives system-missing, except
// for the counts, which give 0; so does a variance (and the deviations
// built on it) of a total weight of at most 1.
AggregationResult CountResult(const AggregationStatistic& statistic, const CountSums& sums,
                              double allResponses);
AggregationResult MomentResult(const AggregationStatistic& statistic, const Moments& moments);
AggregationResult ValueResult(const AggregationStatistic& statistic, ValueBucket& bucket);
