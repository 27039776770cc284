#pragma once
// The procedure's data for tests: the in-memory dictionary of a
// TestDataSource standing in for the working data.

#include "ProcedureDataSource.h"
#include "tests/support/TestDataSource.h"

class TestProcedureData : public ProcedureDataSource {
 public:
  int ColumnCount() const override { return data.ColumnCount(); }
  VEXA_Variable* GetVariable(int column) const override { return data.GetVariable(column); }
  int FindVarIndex(const char* name, int start) const override { return data.FindVarIndex(name, start); }
  int GetWeightVarIndex() const override { return data.GetWeightVarIndex(); }
  VEXA_InputCaseIterator* CreateCaseIterator(int flags) override { return data.CreateCaseIterator(flags); }
  int GetSplitVarCount() const override { return data.GetSplitVarCount(); }
  int GetSplitVarIndex(int i) const override { return data.GetSplitVarIndex(i); }
  int GetVariableSetCount() const override { return data.GetVariableSetCount(); }
  const VariableSet* GetVariableSet(int i) const override { return data.GetVariableSet(i); }

  TestDataSource data;
};
