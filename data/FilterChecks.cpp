// The row test of the data filters and the reports after the reading.

#include <string>
#include <vector>

#include "data/FilterRule.h"
#include "data/GGraphDataSetRep.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_InputCaseIterator.h"
#include "host/engine/VEXA_Variable.h"
#include "model/VariableResolver.h"
#include "report/SyntaxMessages.h"

namespace {

// A variable of the list matches by its own name or by the name its entry
// was written with; the last one that matches counts.
const GGraphVariable* FindListed(const GGraphDataSet::Rep& rep, const std::string& name) {
  for (std::size_t k = rep.variables.size(); k-- > 0;) {
    const bool byEntry = k < rep.variableEntries.size() && rep.variableEntries[k].name == name;
    if (rep.variables[k]->GetVariableName() == name || byEntry) return rep.variables[k].get();
  }
  return nullptr;
}

FilterColumns MembersOf(const VariableResolver& resolver) {
  switch (resolver.getVariableType()) {
    case SINGLE_VARIABLE:
      return {{resolver.getVariableIndex()}, false};
    case CATEGORY_SET:
      return {resolver.getVariableIndexList(), false};
    case DICHOTOMY_SET:
      return {resolver.getVariableIndexList(), true};
    default:
      return {};
  }
}

FilterColumns FindMembers(const GGraphDataSet::Rep& rep, const std::string& name, const VEXA_DataSource& source) {
  if (const GGraphVariable* listed = FindListed(rep, name))
    return listed->GetResolver() ? MembersOf(*listed->GetResolver()) : FilterColumns{};
  for (int column = 0; column < source.ColumnCount(); ++column) {
    const VEXA_Variable* variable = source.GetVariable(column);
    if (variable && name == variable->GetName()) return {{column}, false};
  }
  return {};
}

std::string FilterNames(const GGraphDataSet::Rep& rep) {
  std::string names;
  for (const auto& filter : rep.filters) names += filter->name + " ";
  return names;
}

}  // namespace

bool GGraphDataSet::TestFilter(DataFilter& filter, VEXA_InputCaseIterator* cases, VEXA_DataSource* source) {
  if (!cases || !source) return false;
  auto found = rep_->filterColumns.find(&filter);
  if (found == rep_->filterColumns.end())
    found = rep_->filterColumns.emplace(&filter, FindMembers(*rep_, filter.name, *source)).first;
  const FilterColumns& members = found->second;
  static const std::vector<std::string> kCountedValue{"1"};
  const std::vector<std::string>& listed = members.dichotomies ? kCountedValue : filter.values;
  for (int column : members.columns) {
    const OBS* cell = cases->GetObsPointer(column);
    const VEXA_Variable* variable = source->GetVariable(column);
    if (cell && variable && CellPassesFilter(filter, listed, *variable, cell)) return true;
  }
  return false;
}

void GGraphDataSet::ReportFilterResults(bool noDataRemain) {
  if (rep_->filters.empty()) return;
  if (noDataRemain)
    ReportTemplate("No data to graph because all values of filter field ^1have been excluded.", {FilterNames(*rep_)},
                   kLevelError);
  for (const auto& filter : rep_->filters)
    for (const auto& [text, count] : filter->valueCounts)
      if (count == 0 && text != "ALL")
        ReportTemplate(
            "Specified value ^1 for variable ^2 on DATAFILTER keyword of subcommand GRAPHDATASET is not found in "
            "the data.",
            {text, filter->name}, kLevelWarning);
}
