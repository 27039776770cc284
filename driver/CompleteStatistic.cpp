#include "driver/CompleteStatistic.h"

#include <string>

#include "data/GGraphDataSet.h"
#include "driver/ApplyStatistic.h"
#include "driver/ResultFormat.h"
#include "host/chart/XGraph.h"
#include "host/chart/XUtility.h"
#include "host/chart/XVariable.h"
#include "host/engine/VEXA_Variable.h"
#include "model/GGraphStatistic.h"
#include "model/RelabelString.h"
#include "report/SyntaxMessages.h"

namespace {

constexpr int kCreatorData = 0;
constexpr int kCreatorErrorBar = 2;
// The error-bar ends are the interval's minimum and maximum to the chart.
constexpr int kLowEndStatistic = 8;
constexpr int kHighEndStatistic = 9;
// A format type shown without digit grouping.
constexpr int kUngroupedFormatType = 16;
constexpr int kCodeDigits = 16;

// Formats the column unless the chart gave it a format already; then the
// error bars show whole numbers without signs.
ResultFormat FormatStatisticColumn(XVariable& column, const GGraphStatistic& statistic) {
  ResultFormat format = ResultFormat::Of(statistic);
  if (column.doesFormatExist()) {
    format.decimals = 0;
    format.prefix.clear();
    format.suffix.clear();
  } else if (format.variable) {
    format.ApplyTo(column, FormatType(format.variable->GetFormatEx()) != kUngroupedFormatType);
  }
  return format;
}

// A recorded value text or label as the chart shows it: without surrounding
// blanks, and a single blank rather than nothing.
ChartString ShownText(ChartString text) {
  text.trimSpaces();
  return text.empty() ? ChartString(" ") : text;
}

void RelabelCaseValues(XVariable& column, const GGraphStatistic& statistic, const RelabelString& relabel) {
  double code = 0;
  std::string valueText;
  std::string label;
  for (int i = 0; relabel.FindRelabel(statistic.GetVariableIndex(), i, code, valueText, label); ++i) {
    ChartString codeText = ChartString().assignDouble(code, kCodeDigits);
    column.addRelabel(codeText, ShownText(XUtility::ChartStringFromLocalCodePage(valueText)));
    // Value labels are recorded in UTF-8 already.
    if (!label.empty()) column.addRelabel(codeText, ShownText(ChartString(label)));
  }
}

void DescribeErrorBarEnd(XVariable& end, const ChartString& label, int statistic, const ResultFormat& format) {
  end.setLabel(label);
  end.setCreator(kCreatorErrorBar);
  end.setStatistic(statistic, 0, 0, 0, false);
  format.ApplyTo(end, true);
}

void CompleteErrorBars(XGraph& graph, const GGraphDataSet& dataSet, const GGraphStatistic& statistic,
                       const ResultFormat& format) {
  if (statistic.HasMissingBound()) ReportText("Infinite error bars have been removed from the chart...", kLevelWarning);
  ChartString lowName;
  ChartString highName;
  if (!dataSet.GetLowHighNames(lowName, highName)) {
    lowName = statistic.GetLowGPLLabel();
    highName = statistic.GetHighGPLLabel();
  }
  ChartString lowLabel;
  ChartString highLabel;
  statistic.GetIntervalLabels(lowLabel, highLabel);
  DescribeErrorBarEnd(*graph.getVariable(lowName, 0), lowLabel, kLowEndStatistic, format);
  DescribeErrorBarEnd(*graph.getVariable(highName, 0), highLabel, kHighEndStatistic, format);
}

}  // namespace

void CompleteStatistic(XGraph& graph, const GGraphDataSet& dataSet, const GGraphStatistic& statistic,
                       const RelabelString& relabel) {
  if (statistic.HasMissingResult())
    ReportTemplate("The result of ^1 is beyond the range of numbers in some cells; they are missing in the chart.",
                   {statistic.GetFullLabel()}, kLevelWarning);
  XVariable& column = *graph.getVariable(statistic.GetGPLLabel(), 0);
  column.setLabel(ChartString(statistic.GetFullLabel()));
  column.setCreator(kCreatorData);
  ApplyStatistic(*statistic.GetAggregationStatistic(), column);
  ResultFormat format = FormatStatisticColumn(column, statistic);
  if (statistic.IsCaseValue()) RelabelCaseValues(column, statistic, relabel);
  if (statistic.IsInterval()) CompleteErrorBars(graph, dataSet, statistic, format);
}
