#pragma once
#include <memory>

#include "VEXA_DataSource.h"
#include "engine/data/CaseData.h"

// A loaded data set seen as a data source. With splitAware its iterators stop
// between split groups (ProcDSIterator); without, they deliver every case as
// one group and the data source reports no split variables.
class DataSourceView : public VEXA_DataSource {
 public:
  DataSourceView(std::shared_ptr<const CaseData> data, bool splitAware)
      : data_(std::move(data)), splitAware_(splitAware) {}

  const CaseData& Data() const { return *data_; }

  int ColumnCount() const override { return data_->dictionary.VariableCount(); }
  // The variable's entry is exact once its column has been read, so asking
  // for it reads the column.
  VEXA_Variable* GetVariable(int column) const override;
  int FindVarIndex(const char* name, int start) const override;
  int GetWeightVarIndex() const override { return data_->dictionary.Weight(); }
  VEXA_InputCaseIterator* CreateCaseIterator(int flags) override;
  int GetSplitVarCount() const override;
  int GetSplitVarIndex(int i) const override;
  int GetVariableSetCount() const override { return static_cast<int>(data_->dictionary.Sets().size()); }
  const VariableSet* GetVariableSet(int i) const override;
  long GetCaseCount() const override { return data_->caseCount; }
  const OBS* GetColumnCells(int column) const override;

 private:
  std::shared_ptr<const CaseData> data_;
  bool splitAware_;
};
