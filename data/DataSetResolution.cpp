// Finding a data set's engine data source and resolving its variable list.

#include <memory>

#include "data/GGraphDataSetRep.h"
#include "host/engine/FacSTDictionary.h"
#include "host/engine/ProcedureDataSource.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VexaText.h"
#include "model/VariableResolver.h"
#include "report/SyntaxMessages.h"

namespace {

bool IsWord(const std::string& name, const char* word) { return VEXAMBstricmp_A(name.c_str(), word) == 0; }

bool HasColumn(const GGraphDataSet::Rep& rep, int column) {
  for (const auto& variable : rep.variables) {
    const VariableResolver* resolver = variable->GetResolver();
    if (resolver && resolver->getVariableIndex() == column) return true;
  }
  return false;
}

// Appends the column unless a variable of the data set has it already.
void AddColumn(GGraphDataSet::Rep& rep, VEXA_DataSource* source, int column) {
  if (HasColumn(rep, column)) return;
  auto resolver = std::make_unique<VariableResolver>();
  resolver->resolveVariable(source, column);
  rep.variables.push_back(std::make_unique<GGraphVariable>(resolver.release()));
}

void AddColumns(GGraphDataSet::Rep& rep, VEXA_DataSource* source, int first, int last) {
  for (int column = first; column <= last; ++column) AddColumn(rep, source, column);
}

std::unique_ptr<VariableResolver> ResolveName(VEXA_DataSource* source, const std::string& name) {
  auto resolver = std::make_unique<VariableResolver>();
  if (resolver->resolveVariable(source, name)) return resolver;
  ReportTemplate("The specified variable ^1 does not exist.", {name}, kLevelError);
  return nullptr;
}

// first TO last: the columns from one to the other, both included. The end
// must be an ordinary variable: a set's index lies beyond the columns.
bool AddRange(GGraphDataSet::Rep& rep, VEXA_DataSource* source, int first, const std::string& lastName) {
  std::unique_ptr<VariableResolver> last = ResolveName(source, lastName);
  if (!last) return false;
  if (last->getVariableType() != SINGLE_VARIABLE) {
    ReportTemplate("The specified variable ^1 does not exist.", {lastName}, kLevelError);
    return false;
  }
  if (first > last->getVariableIndex()) {
    ReportText(rep.dictionary ? rep.dictionary->LookUp("E703") : "E703", kLevelError);
    return false;
  }
  AddColumns(rep, source, first, last->getVariableIndex());
  return true;
}

void AddNamed(GGraphDataSet::Rep& rep, std::unique_ptr<VariableResolver> resolver, const VariableEntry& entry) {
  if (HasColumn(rep, resolver->getVariableIndex())) return;
  auto variable = std::make_unique<GGraphVariable>(resolver.release());
  variable->SetGPLLabel(entry.gplName.empty() ? entry.name : entry.gplName);
  if (entry.level >= 1 && entry.level <= 5) variable->SetLevel(static_cast<int>(entry.level));
  rep.variables.push_back(std::move(variable));
}

// The entry at index, with a range that starts there; index moves to the
// last entry used.
bool ResolveEntry(GGraphDataSet::Rep& rep, VEXA_DataSource* source, std::size_t& index) {
  const std::vector<VariableEntry>& entries = rep.variableEntries;
  const VariableEntry& entry = entries[index];
  if (IsWord(entry.name, "ALL")) {
    AddColumns(rep, source, 0, source->ColumnCount() - 1);
    return true;
  }
  std::unique_ptr<VariableResolver> resolver = ResolveName(source, entry.name);
  if (!resolver) return false;
  bool startsRange = resolver->getVariableType() == SINGLE_VARIABLE && index + 2 < entries.size() &&
                     IsWord(entries[index + 1].name, "TO");
  if (!startsRange) {
    AddNamed(rep, std::move(resolver), entry);
    return true;
  }
  index += 2;
  return AddRange(rep, source, resolver->getVariableIndex(), entries[index].name);
}

}  // namespace

VEXA_DataSource* GGraphDataSet::GetDataSource() {
  Rep& rep = *rep_;
  if (rep.dataSource) return rep.dataSource;
  if (!rep.caseFile) {
    if (rep.caseFileSpec.Init(rep.dataSetHandle.c_str(), false, false)) {
      if (rep.caseFileSpec.IsWorkingFile()) return rep.dataSource = rep.procedureDataSource;
      rep.caseFile = std::make_unique<UserInputCaseFile>(rep.caseFileSpec, nullptr);
    } else if (!rep.csvSource) {
      ReportTemplate("The specified VEXA dataset handle ^1 doesn't exist.", {rep.dataSetHandle}, kLevelError);
    }
  }
  if (rep.caseFile) rep.dataSource = rep.caseFile->DataSource();
  return rep.dataSource;
}

int GGraphDataSet::GetWeightVariableIndex() {
  VEXA_DataSource* source = GetDataSource();
  return source ? source->GetWeightVarIndex() : -1;
}

bool GGraphDataSet::ResolveVariables() {
  if (rep_->csvSource) return true;
  VEXA_DataSource* source = GetDataSource();
  if (!source) return false;
  for (const auto& statistic : rep_->statistics)
    if (!statistic->ResolveVariableParameter(source)) return false;
  for (std::size_t index = 0; index < rep_->variableEntries.size(); ++index)
    if (!ResolveEntry(*rep_, source, index)) return false;
  return true;
}
