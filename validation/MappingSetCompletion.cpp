#include "validation/MappingSetCompletion.h"

#include <memory>
#include <string>

#include "data/GGraphDataSet.h"
#include "graphspec/VizVariableMapping.h"
#include "host/chart/ChartString.h"
#include "host/engine/OBS.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "validation/MappedVariableText.h"

namespace {

constexpr int kCountedValueDigits = 16;

// A string set's value without its trailing blanks; a number as the chart
// library writes it.
std::string CountedValueText(const VariableResolver& resolver) {
  int width = 0;
  const OBS* cells = resolver.getCountedValue(width);
  if (!cells) return {};
  if (!resolver.isString()) return ChartString().assignDouble(cells->number, kCountedValueDigits).toUTF8();
  std::string text(reinterpret_cast<const char*>(cells), resolver.getStringLength());
  text.erase(text.find_last_not_of(' ') + 1);
  return Utf8FromLocalCodePage(text);
}

MappingValue MemberValue(GGraphVariable& member) {
  MappingValue value;
  const VEXA_Variable* variable = member.GetResolver()->getVariable();
  if (!variable) return value;
  value.name = Utf8FromLocalCodePage(variable->GetName());
  value.label = VariableLabelUtf8(*variable);
  if (HasValueLabels(*variable)) value.labelSetName = member.MakeLabelingVariableName();
  return value;
}

void ExpandSet(const GGraphVariable& set, GGraphDataSet& dataSet, VizVariableMapping& mapping) {
  for (int index : set.GetResolver()->getVariableIndexList()) {
    auto resolver = std::make_unique<VariableResolver>();
    if (!resolver->resolveVariable(dataSet.GetDataSource(), index)) continue;
    auto* member = new GGraphVariable(resolver.release());
    member->SetParentSetName(set.GetGPLName());
    dataSet.AddVariable(member);
    mapping.values.push_back(MemberValue(*member));
  }
}

}  // namespace

void CompleteSetMapping(const GGraphVariable& set, GGraphDataSet& dataSet, VizVariableMapping& mapping) {
  const VariableResolver& resolver = *set.GetResolver();
  mapping.categorical = true;
  mapping.categorySet = resolver.getVariableType() == CATEGORY_SET;
  mapping.setName = Utf8FromLocalCodePage(resolver.getSetLabel());
  mapping.useCategoryLabels = resolver.usesCategoryLabels();
  if (resolver.getVariableType() == DICHOTOMY_SET) mapping.countedValue = CountedValueText(resolver);
  ExpandSet(set, dataSet, mapping);
}
