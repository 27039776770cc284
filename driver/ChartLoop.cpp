#include "driver/ChartLoop.h"

#include <memory>
#include <string>
#include <vector>

#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "driver/ChartOptions.h"
#include "driver/ChartProduction.h"
#include "driver/ChartSending.h"
#include "driver/CompleteChart.h"
#include "driver/PreparedDataSets.h"
#include "driver/ProcedureRun.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/XDocument.h"
#include "host/chart/XGraph.h"
#include "report/ChartMessages.h"

namespace {

using BoundDataSets = std::vector<GGraphDataSet*>;

// The data sets of the GPL's user sources, in order, up to the first source
// that names none (reported).
BoundDataSets BindUserSources(const std::vector<std::string>& sourceNames, const PreparedDataSets& prepared) {
  BoundDataSets bound;
  for (const std::string& name : sourceNames) {
    GGraphDataSet* dataSet = prepared.FindBySourceName(name);
    if (!dataSet) {
      ReportMissingGraphDataSet(name);
      break;
    }
    bound.push_back(dataSet);
  }
  return bound;
}

// The first data set decides whether the output is split; each one that
// differs from it is reported.
void ReportMixedSplitStates(const BoundDataSets& bound) {
  for (std::size_t i = 1; i < bound.size(); ++i)
    if (bound[i]->containsSplits() != bound.front()->containsSplits()) ReportMixedSplits();
}

// False when the chart loop must end: the GPL reads from the user but the
// command has no data set at all.
bool BindAndSend(XDocument& document, const GraphSpec& spec, PreparedDataSets* prepared) {
  std::vector<std::string> sourceNames = document.getGraph()->getUserSourceNames();
  if (sourceNames.empty()) {
    document.Send();
    return true;
  }
  if (!prepared) {
    ReportMissingGraphDataSet(sourceNames.front());
    return false;
  }
  BoundDataSets bound = BindUserSources(sourceNames, *prepared);
  if (bound.empty()) return true;
  ReportMixedSplitStates(bound);
  if (bound.front()->containsSplits()) {
    SendSplitCharts(document, spec, *bound.front());
  } else {
    SendMergedChart(document, bound);
  }
  return true;
}

bool ProduceCompleteAndSend(ProcedureRun& run, GraphSpec& spec, PreparedDataSets* prepared, RelabelString& relabel) {
  std::unique_ptr<XDocument> document = ProduceChart(run, spec, prepared);
  if (!document || !document->implementationExists()) return true;
  CompleteChart().Complete(document.get(), run.settings, spec, &run.dictionary, relabel);
  if (spec.GetSourceKind() == INLINE) ApplyChartOptions(*document, run.settings);
  return BindAndSend(*document, spec, prepared);
}

}  // namespace

void RunChartLoop(ProcedureRun& run, PreparedDataSets* prepared, RelabelString& relabel) {
  for (GraphSpec* spec : run.settings.GetGraphSpecs()) {
    if (!ProduceCompleteAndSend(run, *spec, prepared, relabel)) return;
  }
}
