#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/GGraphDataSetRep.h"
#include "data/VarsToCasesColumns.h"
#include "host/chart/VarDataColumn.h"

class RelabelString;
class VEXA_DataSource;
class VEXA_InputCaseIterator;
class VEXA_Variable;
class VariableResolver;

// Writes the cases of an unaggregated data set into the current split
// group's table, one row per case (n - 1 stacked rows under VARSTOCASES),
// with the data set's treatment of missing values.
class CaseRowWriter {
 public:
  CaseRowWriter(GGraphDataSet::Rep& rep, VEXA_DataSource& source, RelabelString& relabel);
  ~CaseRowWriter();

  // Creates the source and the columns of a new group's table.
  void StartGroup(VarDataProcessor& table);
  // Writes the current case as the group's row `row`; false when a missing
  // value removed the row.
  bool WriteRow(const VEXA_InputCaseIterator& cases, std::uint32_t row);
  // Empties the case's row(s), so the next case can take them.
  void RemoveRow(std::uint32_t row);
  // The CASEVALUE columns of a kept row.
  void WriteCaseLabels(const VEXA_InputCaseIterator& cases, std::uint32_t row);

 private:
  // One variable that gets a value in every row.
  struct Entry {
    GGraphVariable* variable;
    const VEXA_Variable* dictionaryVariable;  // null for the case number
    int column;                               // data-source column; -1 for the case number
    int width;                                // string width; 0 for numbers
    int stackIndex;                           // the index under VARSTOCASES
    int set;                                  // index into setNames_, or -1
  };
  // One CASEVALUE function.
  struct CaseLabel {
    std::string name;
    int column;
    std::unique_ptr<VariableResolver> resolver;
    VarDataColumn handle;
  };

  void PlanEntries();
  void PlanCaseLabels();
  int SetIndex(const std::string& setName);
  int TableRow(std::uint32_t row, const Entry& entry) const;
  // False when the value ends the row.
  bool WriteEntry(const Entry& entry, const VEXA_InputCaseIterator& cases, std::uint32_t row);
  void WriteCaseNumber(const Entry& entry, const VEXA_InputCaseIterator& cases, std::uint32_t row);
  void WriteNumber(const Entry& entry, std::uint32_t row, double value);
  void WriteText(const Entry& entry, std::uint32_t row, const std::string& localText);
  void WriteMarker(const Entry& entry, std::uint32_t row);
  bool AllMembersMissing() const;

  GGraphDataSet::Rep& rep_;
  VEXA_DataSource& source_;
  RelabelString& relabel_;
  VarDataProcessor* table_ = nullptr;
  bool stacked_;
  int stride_ = 1;  // rows per case
  VarsToCasesColumns stackedColumns_;
  std::vector<Entry> entries_;
  std::vector<std::string> setNames_;
  std::vector<int> setValues_;  // per set, the members not missing in this row
  std::vector<CaseLabel> caseLabels_;
  bool caseLabelColumnsAdded_ = false;
};
