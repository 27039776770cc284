// The check at the start of every split group, and the group's description.

#include <string>

#include "data/CellText.h"
#include "data/FilterRule.h"
#include "data/GGraphDataSetRep.h"
#include "host/engine/FacSTDictionary.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_InputCaseIterator.h"
#include "host/engine/VEXA_ValueLabelMap.h"
#include "host/engine/VEXA_Variable.h"
#include "report/DictionaryText.h"

namespace {

// One split variable and the group's cell of it.
struct SplitValue {
  const VEXA_Variable* variable;
  const OBS* cell;
};

bool IsMissingSplitValue(const SplitValue& split) {
  if (split.variable->IsMissing(split.cell) == 1) return true;
  if (split.variable->GetType() == 0) return false;
  return StringCellText(split.cell, StringWidth(*split.variable)).find_first_not_of(' ') == std::string::npos;
}

bool PassesSplitFilters(GGraphDataSet::Rep& rep, const SplitValue& split) {
  for (const auto& filter : rep.filters)
    if (filter->name == split.variable->GetName() &&
        !CellPassesFilter(*filter, filter->values, *split.variable, split.cell))
      return false;
  return true;
}

std::string MissingText(const FacSTDictionary* dictionary) {
  return dictionary ? dictionary->LookUp("E60712") : std::string("E60712");
}

std::string CategoryText(const GGraphDataSet::Rep& rep, const SplitValue& split) {
  const VEXA_ValueLabelMap* labels = split.variable->GetValueLabels();
  const char* label = labels ? labels->GetLabel(split.cell) : nullptr;
  if (label) return label;
  if (split.variable->GetType() != 0) return StringCellText(split.cell, StringWidth(*split.variable));
  if (split.variable->IsMissing(split.cell) == 1) return MissingText(rep.dictionary);
  return NumberText(split.cell->number);
}

void Describe(GGraphDataSet::Rep& rep, const SplitValue& split) {
  SplitGroup& group = rep.splitGroups.back();
  const char* label = split.variable->GetLabel();
  group.splitNames.push_back(split.variable->GetName());
  group.splitLabels.push_back(HasText(label) ? label : split.variable->GetName());
  group.splitCategories.push_back(CategoryText(rep, split));
}

}  // namespace

bool GGraphDataSet::CheckSplitGroup(VEXA_InputCaseIterator* cases) {
  VEXA_DataSource* source = rep_->dataSource;
  if (!source || !cases || rep_->splitGroups.empty()) return true;
  std::vector<SplitValue> splits;
  for (int i = 0; i < source->GetSplitVarCount(); ++i) {
    const int column = source->GetSplitVarIndex(i);
    SplitValue split{source->GetVariable(column), cases->GetObsPointer(column)};
    if (split.variable && split.cell) splits.push_back(split);
  }
  if (!rep_->reportMissing) {
    for (const SplitValue& split : splits)
      if (IsMissingSplitValue(split)) return false;
    for (const SplitValue& split : splits)
      if (!PassesSplitFilters(*rep_, split)) return false;
  }
  for (const SplitValue& split : splits) Describe(*rep_, split);
  return true;
}
