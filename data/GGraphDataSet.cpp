#include "data/GGraphDataSet.h"

#include "data/GGraphDataSetRep.h"
#include "host/chart/XUtility.h"
#include "host/engine/VexaText.h"
#include "report/Utf8FromLocalCodePage.h"

namespace {

bool ContainsIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& used : names)
    if (VEXAMBstricmp_A(used.c_str(), name.c_str()) == 0) return true;
  return false;
}

ChartString NameOrDefault(const std::string& name, const char* fallback) {
  return XUtility::ChartStringFromLocalCodePage(name.empty() ? fallback : name);
}

}  // namespace

GGraphDataSet::GGraphDataSet(ProcedureDataSource* procedureData, FacSTDictionary* dictionary) : rep_(new Rep) {
  rep_->dictionary = dictionary;
  rep_->procedureDataSource = procedureData;
}

GGraphDataSet::~GGraphDataSet() { delete rep_; }

void GGraphDataSet::AddVariable(GGraphVariable* variable) { rep_->variables.emplace_back(variable); }

void GGraphDataSet::AddStatistic(GGraphStatistic* statistic) {
  rep_->statistics.emplace_back(statistic);
  if (statistic->TakesVariable())
    rep_->hasVariableStatistic = true;
  else
    rep_->hasCountStatistic = true;
}

void GGraphDataSet::SetDataSetHandle(const std::string& handle) { rep_->dataSetHandle = handle; }

void GGraphDataSet::SetSourceName(const std::string& name) {
  rep_->sourceName = name;
  rep_->sourceNameUtf8 = Utf8FromLocalCodePage(name);
}

const SplitGroup* GGraphDataSet::Rep::CurrentGroup() const {
  if (dataCursor < 0 || dataCursor >= static_cast<std::int32_t>(splitGroups.size())) return nullptr;
  return &splitGroups[static_cast<std::size_t>(dataCursor)];
}

SplitGroup& GGraphDataSet::Rep::StartSplitGroup() {
  splitGroups.emplace_back();
  splitGroups.back().data = std::make_unique<VarDataProcessor>();
  lastSplitGroup = static_cast<std::int32_t>(splitGroups.size()) - 1;
  rowCount = 0;
  cellCount = 0;
  return splitGroups.back();
}

void GGraphDataSet::Rep::DiscardNewestGroup() {
  if (splitGroups.empty()) return;
  splitGroups.pop_back();
  lastSplitGroup = static_cast<std::int32_t>(splitGroups.size()) - 1;
}

bool GGraphDataSet::containsSplits() const { return rep_->splitGroups.size() > 1; }

VarDataProcessor* GGraphDataSet::getData() {
  // The cursor stops one past the last group, so that every later call gives null.
  if (rep_->dataCursor < static_cast<std::int32_t>(rep_->splitGroups.size())) ++rep_->dataCursor;
  const SplitGroup* group = rep_->CurrentGroup();
  return group ? group->data.get() : nullptr;
}

namespace {
const std::vector<std::string> kNoTexts;
}  // namespace

const std::vector<std::string>& GGraphDataSet::getSplitNames() const {
  const SplitGroup* group = rep_->CurrentGroup();
  return group ? group->splitNames : kNoTexts;
}

const std::vector<std::string>& GGraphDataSet::getSplitLabels() const {
  const SplitGroup* group = rep_->CurrentGroup();
  return group ? group->splitLabels : kNoTexts;
}

const std::vector<std::string>& GGraphDataSet::getSplitCategories() const {
  const SplitGroup* group = rep_->CurrentGroup();
  return group ? group->splitCategories : kNoTexts;
}

ChartCaseCounts GGraphDataSet::getCaseCounts() const {
  const SplitGroup* group = rep_->CurrentGroup();
  return group ? group->cases : ChartCaseCounts{};
}

void GGraphDataSet::ResetDataCursor() { rep_->dataCursor = -1; }

void GGraphDataSet::SetMissingMode(int mode) { rep_->listwise = mode == 0; }
bool GGraphDataSet::IsListwise() const { return rep_->listwise; }
void GGraphDataSet::SetReportMissing(int flag) { rep_->reportMissing = flag == 1; }
bool GGraphDataSet::IsReportMissing() const { return rep_->reportMissing; }
void GGraphDataSet::SetCaseLimit(std::uint32_t limit) { rep_->caseLimit = limit; }
std::uint32_t GGraphDataSet::GetCaseLimit() const { return rep_->caseLimit; }
void GGraphDataSet::SetCsvSource() { rep_->csvSource = true; }
bool GGraphDataSet::IsCsvSource() const { return rep_->csvSource; }

void GGraphDataSet::SetVarsToCases(const std::string& summary, const std::string& index, const std::string& low,
                                   const std::string& high) {
  rep_->summaryName = NameOrDefault(summary, "#SUMMARY");
  rep_->indexName = NameOrDefault(index, "#INDEX");
  rep_->lowName = NameOrDefault(low, "#LOW");
  rep_->highName = NameOrDefault(high, "#HIGH");
}

bool GGraphDataSet::IsVarsToCases() const { return !rep_->summaryName.empty() && !rep_->indexName.empty(); }

void GGraphDataSet::GetVarsToCasesNames(ChartString& summary, ChartString& index, ChartString& low,
                                        ChartString& high) const {
  if (!IsVarsToCases()) return;
  summary = rep_->summaryName;
  index = rep_->indexName;
  low = rep_->lowName;
  high = rep_->highName;
}

bool GGraphDataSet::GetLowHighNames(ChartString& low, ChartString& high) const {
  if (rep_->lowName.empty() || rep_->highName.empty()) return false;
  low = rep_->lowName;
  high = rep_->highName;
  return true;
}

void GGraphDataSet::AddFilter(std::unique_ptr<DataFilter> filter) { rep_->filters.push_back(std::move(filter)); }

bool GGraphDataSet::IsNewFilter(const DataFilter& filter) const {
  for (const auto& present : rep_->filters)
    if (present->name == filter.name) return false;
  return true;
}

const std::vector<std::unique_ptr<DataFilter>>& GGraphDataSet::GetFilters() const { return rep_->filters; }

void GGraphDataSet::AddVariableEntry(const std::string& name, const std::string& gplName, std::uint32_t level) {
  rep_->variableEntries.push_back(VariableEntry{name, gplName, level});
}

const std::vector<VariableEntry>& GGraphDataSet::GetVariableEntries() const { return rep_->variableEntries; }

int GGraphDataSet::NoteVariableName(const std::string& name, bool isAlias) {
  if (ContainsIgnoringCase(rep_->usedNames, name)) return 0;
  rep_->usedNames.push_back(name);
  if (isAlias) rep_->aliasNames.push_back(name);
  return 1;
}

int GGraphDataSet::CheckAliasName(const std::string& name) const {
  return ContainsIgnoringCase(rep_->aliasNames, name) ? 0 : 1;
}

const std::string& GGraphDataSet::GetDataSetHandle() const { return rep_->dataSetHandle; }
const std::string& GGraphDataSet::GetSourceName() const { return rep_->sourceName; }
const std::string& GGraphDataSet::GetSourceNameUtf8() const { return rep_->sourceNameUtf8; }
const std::vector<std::unique_ptr<GGraphVariable>>& GGraphDataSet::GetVariables() const { return rep_->variables; }

const std::vector<std::unique_ptr<GGraphStatistic>>& GGraphDataSet::GetStatistics() const { return rep_->statistics; }

bool GGraphDataSet::HasAggregation() const {
  for (const auto& statistic : rep_->statistics)
    if (statistic->IsAggregating()) return true;
  return false;
}
