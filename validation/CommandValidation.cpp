#include "validation/CommandValidation.h"

#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "graphspec/GraphSpec.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "report/Messages.h"
#include "validation/TemplateFileChecks.h"
#include "validation/TemplateMappingCompletion.h"

namespace {

bool IsSet(const GGraphVariable& variable) {
  const VariableResolver* resolver = variable.GetResolver();
  return resolver && (resolver->getVariableType() == CATEGORY_SET || resolver->getVariableType() == DICHOTOMY_SET);
}

// Read case by case, a multiple-response set has no column of its own; only a
// template expands it into its members.
bool SetsAreAggregated(const GGraphSettings& settings) {
  for (const auto& dataSet : settings.GetUnaggregatedDataSets()) {
    for (const auto& variable : dataSet->GetVariables()) {
      if (!IsSet(*variable)) continue;
      ReportText("An aggregation function must be specified when using multiple response sets.", kLevelError);
      return false;
    }
  }
  return true;
}

bool CompleteTemplateSpec(GraphSpec& spec, TemplateMappingCompletion& completion) {
  for (VizVariableMapping& mapping : spec.GetVizTemplateMappings()) {
    if (!completion.Complete(mapping)) return false;
    // Otherwise the slot would silently stay empty and the chart vanish.
    if (!completion.IsKnownColumn(mapping)) {
      ReportTemplate("The visualization template ^1 maps its slot ^2 to ^3, which no graph data set holds.",
                     {spec.GetVizTemplateName(), mapping.slotName, mapping.variableName}, kLevelError);
      return false;
    }
  }
  return CheckTemplateFiles(spec);
}

}  // namespace

bool ValidateCommand(GGraphSettings& settings) {
  if (settings.GetGraphSpecs().empty()) {
    ReportText("The GGRAPH command must contain at least one GRAPHSPEC subcommand.", kLevelError);
    return false;
  }
  TemplateMappingCompletion completion(settings);
  for (GraphSpec* spec : settings.GetGraphSpecs()) {
    bool valid =
        spec->GetSourceKind() == VIZTEMPLATE ? CompleteTemplateSpec(*spec, completion) : SetsAreAggregated(settings);
    if (!valid) return false;
  }
  return true;
}
