#pragma once
#include <cstdint>
#include <string>

class VarDataProcessor;
class VariableResolver;

// The system variables that unaggregated data sets receive.
enum SYSVAR : std::int32_t {
  SYSVAR_CASENUM = 0,  // $CASENUM
  SYSVAR_WEIGHT = 1,   // $WEIGHT
};

// One variable of a graph data set: its names (as the data and the GPL know
// it, also in UTF-8), an optional measurement-level override, the set it was
// expanded from, and its columns in the chart's data table, into which it
// writes values together with their value labels.
class GGraphVariable {
 public:
  // Takes ownership of the resolver (which may be null).
  explicit GGraphVariable(VariableResolver* resolver);
  // $CASENUM (without resolver) or $WEIGHT (with the weight variable's).
  GGraphVariable(SYSVAR which, VariableResolver* resolver);
  ~GGraphVariable();
  GGraphVariable(const GGraphVariable&) = delete;
  GGraphVariable& operator=(const GGraphVariable&) = delete;

  // A name in the local code page.
  void SetGPLLabel(const std::string& label);
  std::string GetGPLName() const;
  // The name of the variable's column, in UTF-8.
  std::string GetVariableUnicodeName() const;
  std::string GetVariableName() const;
  // The variable's label, or its name when it has none.
  std::string GetLabel() const;
  VariableResolver* GetResolver() const;
  bool IsCaseNumber() const;
  bool IsWeight() const;
  bool IsStringVariable() const;

  // 0 none, 1 SCALE, 2 NOMINAL, 3 ORDINAL, 4 FLAG, 5 TYPELESS.
  void SetLevel(int level);
  int GetLevel() const;

  void SetParentSetName(const std::string& name);
  std::string GetParentSetName() const;
  bool HasParentSetName() const;

  // A new name for the column holding this variable's value labels, unique
  // for the life of the module.
  std::string MakeLabelingVariableName();
  std::string GetLabelingVariableName() const;

  // Adds the value column (and the label column, when a labelling name was
  // made) to a source of the table.
  bool AddToDataProcessor(VarDataProcessor* processor, const std::string& tableName);
  bool SetNumericValue(double value, int row);
  // The text is UTF-8.
  bool SetStringValue(const std::string& text, int row);

 private:
  struct Rep;
  Rep* rep_;
};
