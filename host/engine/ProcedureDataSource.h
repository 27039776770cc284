#pragma once
#include <memory>

#include "VEXA_DataSource.h"

// The procedure's view of the working data. Its case iterators are
// ProcDSIterators.
class ProcedureDataSource : public VEXA_DataSource {
 public:
  ProcedureDataSource();
  ~ProcedureDataSource() override;
  ProcedureDataSource(const ProcedureDataSource&) = delete;
  ProcedureDataSource& operator=(const ProcedureDataSource&) = delete;

  // True when opening the working data failed (the error is already reported).
  bool FatalError() const;
  // The engine work area handed to the line reader.
  void* Workspace() const;

  int ColumnCount() const override;
  VEXA_Variable* GetVariable(int column) const override;
  int FindVarIndex(const char* name, int start) const override;
  int GetWeightVarIndex() const override;
  VEXA_InputCaseIterator* CreateCaseIterator(int flags) override;
  int GetSplitVarCount() const override;
  int GetSplitVarIndex(int i) const override;
  int GetVariableSetCount() const override;
  const VariableSet* GetVariableSet(int i) const override;
  long GetCaseCount() const override;
  const OBS* GetColumnCells(int column) const override;

 private:
  struct Rep;
  std::unique_ptr<Rep> rep_;
};
