#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/data/CaseData.h"
#include "engine/data/CsvTable.h"
#include "engine/data/CsvTableReader.h"

// A variable as the dictionary describes it before the data are read. What
// the dictionary leaves open (a string's width, a number's format) comes
// from the data.
struct VariablePlan {
  VariableDefinition definition;
  bool formatGiven = false;
};

// Everything needed to read one data file: the CSV table and the dictionary.
struct DataPlan {
  CsvTable table;
  std::vector<VariablePlan> variables;  // one per CSV field
  int weight = -1;
  std::vector<int> splits;
  std::vector<VariableSet> sets;
  std::vector<std::pair<int, CurrencyAffixes>> currencies;
};

// A variable's dictionary entry completed from what its column showed: a
// string's width, a number's format.
VariableDefinition CompletedDefinition(VariablePlan variable, const CsvField& field, const ColumnStats& stats,
                                       int stringWidth);
// The width a string column not read yet is given: from its first rows.
int UnreadStringWidth(const CsvField& field);

// The loaded data set: the plan's dictionary completed from what the data
// showed, with the columns read (the others as their first rows suggest).
std::shared_ptr<CaseData> BuildCaseData(DataPlan plan, CsvColumns columns);
