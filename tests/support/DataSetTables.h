#pragma once
// Reads the graph data sets of a parsed command the way the procedure does,
// and shows each split group's table as text, for checks on the data set
// itself.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "OBS.h"
#include "VEXA_DataSource.h"
#include "VEXA_InputCaseIterator.h"
#include "VarDataProcessor.h"
#include "data/GGraphDataSet.h"
#include "model/RelabelString.h"

// Reads one data set: through the cube when it aggregates, else case by case.
inline std::uint32_t ReadDataSet(GGraphDataSet& dataSet, RelabelString& relabel) {
  if (!dataSet.HasAggregation()) return dataSet.populateUnAggregatedData(relabel);
  VEXA_DataSource* source = dataSet.GetDataSource();
  if (!source) return 0;
  std::unique_ptr<VEXA_InputCaseIterator> cases(source->CreateCaseIterator(0));
  if (!dataSet.BuildAggregation(cases.get(), false)) return 0;
  return dataSet.PopulateAggregatedData(cases.get());
}

// A cell: a number by %.10g ("." for the missing marker), a text as it is,
// nothing for an empty cell.
inline std::string CellText(const VarDataValue& value) {
  switch (value.kind) {
    case VarDataValue::Kind::kNumber: {
      if (value.number == kSysMiss) return ".";
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.10g", value.number);
      return buffer;
    }
    case VarDataValue::Kind::kText:
      return value.text;
    case VarDataValue::Kind::kEmpty:
      break;
  }
  return "";
}

// The table's first source: the column names, then one line per row, the
// cells separated by "|".
inline std::vector<std::string> TableLines(const VarDataProcessor& table) {
  std::vector<std::string> names = table.GetSourceNames();
  if (names.empty()) return {};
  const std::string& source = names.front();
  std::vector<std::string> columns = table.GetColumnNames(source);
  std::vector<std::string> lines(1);
  for (const std::string& column : columns) lines[0] += (lines[0].empty() ? "" : "|") + column;
  for (int row = 0; row < table.GetRowCount(source); ++row) {
    std::string line;
    for (std::size_t c = 0; c < columns.size(); ++c)
      line += (c ? "|" : "") + CellText(table.GetValue(source, columns[c], row));
    lines.push_back(line);
  }
  return lines;
}

// Every split group's table, in order, through getData.
inline std::vector<std::vector<std::string>> GroupTables(GGraphDataSet& dataSet) {
  std::vector<std::vector<std::string>> tables;
  dataSet.ResetDataCursor();
  while (VarDataProcessor* table = dataSet.getData()) tables.push_back(TableLines(*table));
  return tables;
}
