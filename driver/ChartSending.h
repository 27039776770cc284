#pragma once
#include <vector>

class GGraphDataSet;
class GraphSpec;
class XDocument;

// Sends the chart once per split group of the data set, from the first group
// on, each described and subtitled by its group.
void SendSplitCharts(XDocument& document, const GraphSpec& spec, GGraphDataSet& dataSet);
// Sends the chart once over the tables of all the data sets together.
void SendMergedChart(XDocument& document, const std::vector<GGraphDataSet*>& dataSets);
