#include "driver/CompleteVariable.h"

#include <cstring>
#include <string>
#include <vector>

#include "driver/CompletionSteps.h"
#include "host/chart/XUtility.h"
#include "host/chart/XVariable.h"
#include "host/engine/OBS.h"
#include "host/engine/VEXA_ValueLabelMap.h"
#include "host/engine/VEXA_Variable.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"

namespace {

constexpr int kCreatorData = 0;
constexpr int kCreatorSystem = 1;

void DescribeSystemVariable(XVariable& chartVariable, const GGraphVariable& variable,
                            const FacSTDictionary* dictionary) {
  chartVariable.setLabel(LocalisedText(dictionary, variable.IsCaseNumber() ? "Case Number" : "Weight"));
  chartVariable.setCreator(kCreatorSystem);
  if (variable.IsWeight()) chartVariable.setCategorical(false);
}

void DescribeDataVariable(XVariable& chartVariable, const GGraphVariable& variable) {
  if (chartVariable.getLabel().empty())
    chartVariable.setLabel(XUtility::ChartStringFromLocalCodePage(variable.GetLabel()));
  chartVariable.setShortLabel(XUtility::ChartStringFromLocalCodePage(variable.GetVariableName()));
  chartVariable.setCreator(kCreatorData);
  const VariableResolver* resolver = variable.GetResolver();
  if (!chartVariable.hasVEXAVariable() && resolver && resolver->getVariable())
    chartVariable.setVEXAVariable(resolver->getVariable());
}

// A string value of a label pair: the value label map fills the first cell,
// so the buffer spans the whole width and nothing past it is ever read.
ChartString StringValueText(const OBS* cells, unsigned int length) {
  std::string text(reinterpret_cast<const char*>(cells), length);
  text.erase(text.find_last_not_of(' ') + 1);
  return XUtility::ChartStringFromLocalCodePage(text);
}

// The next labelled pair into a blank value buffer.
bool NextPair(VEXA_ValueLabelMap& labels, std::vector<OBS>& value, const char*& label) {
  std::memset(value.data(), ' ', value.size() * sizeof(OBS));
  return labels.GetNextPair(value.data(), &label);
}

void RelabelValueLabels(XVariable& chartVariable, const GGraphVariable& variable, const VariableResolver& resolver) {
  const VEXA_Variable* engineVariable = resolver.getVariable();
  chartVariable.setVEXAVariable(engineVariable);
  VEXA_ValueLabelMap* labels = engineVariable ? engineVariable->GetValueLabels() : nullptr;
  if (!labels) return;
  bool isString = variable.IsStringVariable();
  unsigned int length = isString ? resolver.getStringLength() : 0;
  std::vector<OBS> value(static_cast<std::size_t>(ObsCellsForWidth(static_cast<int>(length))));
  const char* label = nullptr;
  labels->Reset();
  while (NextPair(*labels, value, label)) {
    if (!label) continue;
    ChartString text = XUtility::ChartStringFromLocalCodePage(label);
    if (isString)
      chartVariable.addRelabel(StringValueText(value.data(), length), text);
    else
      chartVariable.addRelabel(value.front().number, text);
  }
}

void RelabelCategories(XVariable& chartVariable, const VariableResolver& resolver) {
  bool byName = resolver.getVariableType() == DICHOTOMY_SET;
  for (const CategoryEntry& entry : resolver.getCategories()) {
    ChartString value = byName ? ChartString(entry.name) : ChartString().assignDouble(entry.value, 16);
    chartVariable.addRelabel(value, ChartString(entry.label));
  }
}

void RelabelCategoricalValues(XVariable& chartVariable, const GGraphVariable& variable) {
  const VariableResolver* resolver = variable.GetResolver();
  if (!chartVariable.getCategorical() || !resolver) return;
  switch (resolver->getVariableType()) {
    case SINGLE_VARIABLE:
      RelabelValueLabels(chartVariable, variable, *resolver);
      break;
    case CATEGORY_SET:
    case DICHOTOMY_SET:
      RelabelCategories(chartVariable, *resolver);
      break;
    default:
      break;
  }
}

}  // namespace

void CompleteVariable(XVariable& chartVariable, const GGraphVariable& variable, const FacSTDictionary* dictionary,
                      bool defaultTemplate) {
  if (variable.IsCaseNumber() || variable.IsWeight()) {
    DescribeSystemVariable(chartVariable, variable, dictionary);
  } else {
    if (!defaultTemplate) return;
    DescribeDataVariable(chartVariable, variable);
  }
  RelabelCategoricalValues(chartVariable, variable);
}
