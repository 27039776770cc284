#pragma once
#include <string>

#include "data/GGraphDataSetRep.h"
#include "host/chart/VarDataColumn.h"

class VarDataProcessor;

// The long shape of TRANSFORM=VARSTOCASES in one group's table: every value
// goes into the summary column with its position in the index column; the
// ends of error bars go into the low and high columns, written by name.
class VarsToCasesColumns {
 public:
  explicit VarsToCasesColumns(const GGraphDataSet::Rep& rep);

  // Adds the summary and index columns to the table's source.
  void AddTo(VarDataProcessor& table, const std::string& source);
  void WriteNumber(int row, int index, double value);
  void WriteText(int row, int index, const std::string& utf8);
  // Nothing is written unless both names are set.
  void WriteBounds(int row, double low, double high);

 private:
  VarDataProcessor* table_ = nullptr;
  std::string source_;
  std::string summaryName_;
  std::string indexName_;
  std::string lowName_;
  std::string highName_;
  VarDataColumn summary_;
  VarDataColumn index_;
};
