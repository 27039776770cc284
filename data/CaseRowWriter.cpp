#include "data/CaseRowWriter.h"

#include <algorithm>

#include "data/CellText.h"
#include "host/chart/VarDataProcessor.h"
#include "host/engine/OBS.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_InputCaseIterator.h"
#include "host/engine/VEXA_Variable.h"
#include "model/RelabelString.h"
#include "model/VariableResolver.h"
#include "report/Utf8FromLocalCodePage.h"

namespace {

constexpr int kScaleLevel = 1;

bool GetsColumn(const GGraphVariable& variable) {
  if (variable.IsCaseNumber() || variable.IsWeight()) return true;
  const VariableResolver* resolver = variable.GetResolver();
  return resolver && resolver->getVariableType() == SINGLE_VARIABLE;
}

}  // namespace

CaseRowWriter::CaseRowWriter(GGraphDataSet::Rep& rep, VEXA_DataSource& source, RelabelString& relabel)
    : rep_(rep), source_(source), relabel_(relabel), stacked_(!rep.summaryName.empty() && !rep.indexName.empty()),
      stackedColumns_(rep) {
  PlanEntries();
  PlanCaseLabels();
}

CaseRowWriter::~CaseRowWriter() = default;

int CaseRowWriter::SetIndex(const std::string& setName) {
  auto found = std::find(setNames_.begin(), setNames_.end(), setName);
  if (found != setNames_.end()) return static_cast<int>(found - setNames_.begin());
  setNames_.push_back(setName);
  return static_cast<int>(setNames_.size()) - 1;
}

// Under VARSTOCASES every variable but the case number takes one of the
// case's rows, in list order.
void CaseRowWriter::PlanEntries() {
  int stackIndex = 0;
  for (const auto& owned : rep_.variables) {
    GGraphVariable& variable = *owned;
    if (!GetsColumn(variable)) continue;
    Entry entry{&variable, nullptr, -1, 0, -1, -1};
    if (!variable.IsCaseNumber()) {
      const VariableResolver* resolver = variable.GetResolver();
      entry.column = resolver ? resolver->getVariableIndex() : -1;
      entry.dictionaryVariable = source_.GetVariable(entry.column);
      if (!entry.dictionaryVariable) continue;
      entry.width = entry.dictionaryVariable->GetType() == 0 ? 0 : StringWidth(*entry.dictionaryVariable);
      entry.stackIndex = stackIndex++;
      if (variable.HasParentSetName()) entry.set = SetIndex(variable.GetParentSetName());
    }
    entries_.push_back(entry);
  }
  stride_ = std::max(stackIndex, 1);
  setValues_.assign(setNames_.size(), 0);
}

void CaseRowWriter::PlanCaseLabels() {
  for (const auto& statistic : rep_.statistics) {
    if (!statistic->IsCaseValue() || statistic->GetVariableIndex() < 0) continue;
    CaseLabel label{statistic->GetGPLLabel().toUTF8(), statistic->GetVariableIndex(),
                    std::make_unique<VariableResolver>(), {}};
    label.resolver->resolveVariable(&source_, label.column);
    caseLabels_.push_back(std::move(label));
  }
}

void CaseRowWriter::StartGroup(VarDataProcessor& table) {
  table_ = &table;
  const std::string& source = rep_.sourceNameUtf8;
  table.AddDataSource(source, 10000);
  if (stacked_) {
    stackedColumns_.AddTo(table, source);
  } else {
    for (const auto& variable : rep_.variables)
      if (GetsColumn(*variable)) variable->AddToDataProcessor(&table, source);
  }
  caseLabelColumnsAdded_ = false;
}

int CaseRowWriter::TableRow(std::uint32_t row, const Entry& entry) const {
  if (!stacked_) return static_cast<int>(row);
  return static_cast<int>(row) * stride_ + std::max(entry.stackIndex, 0);
}

bool CaseRowWriter::WriteRow(const VEXA_InputCaseIterator& cases, std::uint32_t row) {
  std::fill(setValues_.begin(), setValues_.end(), 0);
  for (const Entry& entry : entries_) {
    if (WriteEntry(entry, cases, row)) continue;
    RemoveRow(row);
    return false;
  }
  if (!AllMembersMissing()) return true;
  RemoveRow(row);
  return false;
}

// A set whose members are all missing removes the row under LISTWISE.
bool CaseRowWriter::AllMembersMissing() const {
  if (setValues_.empty() || rep_.reportMissing || !rep_.listwise) return false;
  return std::find(setValues_.begin(), setValues_.end(), 0) != setValues_.end();
}

bool CaseRowWriter::WriteEntry(const Entry& entry, const VEXA_InputCaseIterator& cases, std::uint32_t row) {
  if (!entry.dictionaryVariable) {
    WriteCaseNumber(entry, cases, row);
    return true;
  }
  const OBS* cell = cases.GetObsPointer(entry.column);
  if (!cell) {
    // Nothing to judge: a string shows as empty, a number as missing.
    if (entry.width)
      WriteText(entry, row, "");
    else
      WriteMarker(entry, row);
    return true;
  }
  const std::string text = entry.width ? StringCellText(cell, entry.width) : std::string();
  const bool missing = entry.dictionaryVariable->IsMissing(cell) == 1;
  if (!missing) {
    if (entry.set >= 0) ++setValues_[static_cast<std::size_t>(entry.set)];
  } else if (!rep_.reportMissing) {
    // Under LISTWISE a variable outside any set drops the case.
    if (rep_.listwise && entry.set < 0) return false;
    WriteMarker(entry, row);
    return true;
  } else if (entry.variable->GetLevel() == kScaleLevel) {
    // Reported missing values show as values on categorical variables only.
    WriteMarker(entry, row);
    return true;
  }
  if (entry.width)
    WriteText(entry, row, text);
  else
    WriteNumber(entry, row, cell->number);
  return true;
}

void CaseRowWriter::WriteCaseNumber(const Entry& entry, const VEXA_InputCaseIterator& cases, std::uint32_t row) {
  const double caseNumber = static_cast<double>(cases.GetCaseNumber());
  if (!stacked_) {
    entry.variable->SetNumericValue(caseNumber, static_cast<int>(row));
    return;
  }
  const std::string name = entry.variable->GetVariableUnicodeName();
  for (int k = 0; k < stride_; ++k)
    table_->SetVariableValue(rep_.sourceNameUtf8, name, static_cast<int>(row) * stride_ + k, caseNumber);
}

void CaseRowWriter::WriteNumber(const Entry& entry, std::uint32_t row, double value) {
  if (stacked_)
    stackedColumns_.WriteNumber(TableRow(row, entry), entry.stackIndex, value);
  else
    entry.variable->SetNumericValue(value, static_cast<int>(row));
}

void CaseRowWriter::WriteText(const Entry& entry, std::uint32_t row, const std::string& localText) {
  const std::string utf8 = Utf8FromLocalCodePage(localText);
  if (stacked_)
    stackedColumns_.WriteText(TableRow(row, entry), entry.stackIndex, utf8);
  else
    entry.variable->SetStringValue(utf8, static_cast<int>(row));
}

void CaseRowWriter::WriteMarker(const Entry& entry, std::uint32_t row) {
  if (stacked_)
    stackedColumns_.WriteNumber(TableRow(row, entry), entry.stackIndex, kSysMiss);
  else
    table_->SetVariableValue(rep_.sourceNameUtf8, entry.variable->GetVariableUnicodeName(), static_cast<int>(row),
                             kSysMiss);
}

void CaseRowWriter::RemoveRow(std::uint32_t row) {
  for (int k = 0; k < (stacked_ ? stride_ : 1); ++k)
    table_->DeleteRow(rep_.sourceNameUtf8, static_cast<int>(row) * (stacked_ ? stride_ : 1) + k);
}

void CaseRowWriter::WriteCaseLabels(const VEXA_InputCaseIterator& cases, std::uint32_t row) {
  if (caseLabels_.empty()) return;
  if (!caseLabelColumnsAdded_) {
    for (CaseLabel& label : caseLabels_) table_->AddVariable(rep_.sourceNameUtf8, label.name, &label.handle);
    caseLabelColumnsAdded_ = true;
  }
  const double caseNumber = static_cast<double>(cases.GetCaseNumber());
  for (CaseLabel& label : caseLabels_) {
    const OBS* cell = cases.GetObsPointer(label.column);
    const VEXA_Variable* variable = source_.GetVariable(label.column);
    if (!cell || !variable) continue;
    if (!rep_.reportMissing && variable->IsMissing(cell) == 1) {
      table_->SetVariableValue(label.handle, static_cast<int>(row), kSysMiss);
      continue;
    }
    table_->SetVariableValue(label.handle, static_cast<int>(row), caseNumber);
    relabel_.AddRelabel(caseNumber, cell, label.column, label.resolver.get());
  }
}
