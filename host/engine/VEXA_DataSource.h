#pragma once

class VEXA_Variable;
class VEXA_InputCaseIterator;

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
};
