#include "data/VarsToCasesColumns.h"

#include "host/chart/VarDataProcessor.h"

VarsToCasesColumns::VarsToCasesColumns(const GGraphDataSet::Rep& rep)
    : summaryName_(rep.summaryName.toUTF8()),
      indexName_(rep.indexName.toUTF8()),
      lowName_(rep.lowName.toUTF8()),
      highName_(rep.highName.toUTF8()) {}

void VarsToCasesColumns::AddTo(VarDataProcessor& table, const std::string& source) {
  table_ = &table;
  source_ = source;
  table.AddVariable(source, summaryName_, &summary_);
  table.AddVariable(source, indexName_, &index_);
}

void VarsToCasesColumns::WriteNumber(int row, int index, double value) {
  table_->SetVariableValue(summary_, row, value);
  table_->SetVariableValue(index_, row, index);
}

void VarsToCasesColumns::WriteText(int row, int index, const std::string& utf8) {
  table_->SetStringVariableValue(summary_, row, utf8);
  table_->SetVariableValue(index_, row, index);
}

void VarsToCasesColumns::WriteBounds(int row, double low, double high) {
  if (lowName_.empty() || highName_.empty()) return;
  table_->SetVariableValue(source_, lowName_, row, low);
  table_->SetVariableValue(source_, highName_, row, high);
}
