#pragma once

class VEXA_Variable;
class VEXA_InputCaseIterator;
class VariableSet;
union OBS;

// A data dictionary with its cases.
class VEXA_DataSource {
 public:
  virtual ~VEXA_DataSource() = default;
  virtual int ColumnCount() const = 0;
  virtual VEXA_Variable* GetVariable(int column) const = 0;
  // The column of a variable, compared ignoring case; negative when absent.
  virtual int FindVarIndex(const char* name, int start) const = 0;
  // -1 when the data are not weighted.
  virtual int GetWeightVarIndex() const = 0;
  // A new iterator over the cases; the caller deletes it.
  virtual VEXA_InputCaseIterator* CreateCaseIterator(int flags) = 0;
  virtual int GetSplitVarCount() const = 0;
  virtual int GetSplitVarIndex(int i) const = 0;

  // The multiple-response sets of the dictionary, in definition order
  // (VariableSets lists them).
  virtual int GetVariableSetCount() const { return 0; }
  virtual const VariableSet* GetVariableSet(int i) const { return nullptr; }

  // Direct column access for code that scans whole columns. The number of
  // cases, or -1 when the cases are only reached through an iterator.
  virtual long GetCaseCount() const { return -1; }
  // The cells of a column for every case in file order, case after case
  // (ObsCellsForWidth(GetType()) cells per case), or null when the data
  // source does not hold its cases in columns.
  virtual const OBS* GetColumnCells(int column) const { return nullptr; }
};
