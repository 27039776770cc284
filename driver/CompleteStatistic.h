#pragma once

class GGraphDataSet;
class GGraphStatistic;
class RelabelString;
class XGraph;

// Describes the chart column of one summary function of a graph data set:
// its label, statistic and number format, the data values of case values in
// place of their codes, and the columns of an interval function's error-bar
// ends. Throws, as the graph does, when the chart lacks one of the columns.
void CompleteStatistic(XGraph& graph, const GGraphDataSet& dataSet, const GGraphStatistic& statistic,
                       const RelabelString& relabel);
