#pragma once
#include <vector>

class GGraphDataSet;
class GraphSpec;
class XDocument;

// How a chart document is sent to the output.
struct SendOptions {
  bool show = true;
  // A further split group of a chart already sent.
  bool later = false;
  bool thumbnail = false;
};

void SendChart(XDocument& document, SendOptions options = {});

// Sends the chart once per split group of the data set, from the first group
// on, each described and subtitled by its group.
void SendSplitCharts(XDocument& document, const GraphSpec& spec, GGraphDataSet& dataSet);
// Sends the chart once over the tables of all the data sets together.
void SendMergedChart(XDocument& document, const std::vector<GGraphDataSet*>& dataSets);
