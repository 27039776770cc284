#pragma once

class AggregationStatistic;
class XVariable;

// Tells the chart variable which statistic its column holds, with the
// statistic's parameter; codes the chart has no statistic for (CASEVALUE
// among them) set nothing.
void ApplyStatistic(const AggregationStatistic& statistic, XVariable& variable);
