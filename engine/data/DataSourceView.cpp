#include "engine/data/DataSourceView.h"

#include "engine/data/PlainCaseIterator.h"
#include "engine/data/SplitCaseIterator.h"

int DataSourceView::FindVarIndex(const char* name, int start) const {
  if (!name) return -1;
  int column = data_->dictionary.Find(name);
  return column >= start ? column : -1;
}

VEXA_Variable* DataSourceView::GetVariable(int column) const {
  if (column >= 0 && column < ColumnCount()) data_->Know({column});
  return data_->dictionary.Variable(column);
}

VEXA_InputCaseIterator* DataSourceView::CreateCaseIterator(int /*flags*/) {
  if (splitAware_) return new SplitCaseIterator(this, *data_, data_->dictionary.Splits());
  return new PlainCaseIterator(this, *data_);
}

int DataSourceView::GetSplitVarCount() const {
  return splitAware_ ? static_cast<int>(data_->dictionary.Splits().size()) : 0;
}

int DataSourceView::GetSplitVarIndex(int i) const {
  if (i < 0 || i >= GetSplitVarCount()) return -1;
  return data_->dictionary.Splits()[static_cast<std::size_t>(i)];
}

const VariableSet* DataSourceView::GetVariableSet(int i) const {
  if (i < 0 || i >= GetVariableSetCount()) return nullptr;
  return &data_->dictionary.Sets()[static_cast<std::size_t>(i)];
}

const OBS* DataSourceView::GetColumnCells(int column) const {
  if (column < 0 || column >= ColumnCount()) return nullptr;
  data_->Need(column);
  return data_->columns[static_cast<std::size_t>(column)].data();
}
