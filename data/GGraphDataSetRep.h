#pragma once
// The private record of GGraphDataSet, shared by the files that implement it.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/DataFilter.h"
#include "data/FilterColumns.h"
#include "data/GGraphDataSet.h"
#include "data/SplitGroup.h"
#include "data/VariableEntry.h"
#include "host/chart/ChartString.h"
#include "host/engine/AggregationTable.h"
#include "host/engine/AggregationVariable.h"
#include "host/engine/UserCaseFileSpec.h"
#include "host/engine/UserInputCaseFile.h"
#include "model/GGraphStatistic.h"
#include "model/GGraphVariable.h"

class VEXA_InputCaseIterator;

struct GGraphDataSet::Rep {
  FacSTDictionary* dictionary;  // not owned
  std::string dataSetHandle;
  ProcedureDataSource* procedureDataSource;  // not owned; also the working file's data source
  VEXA_DataSource* dataSource = nullptr;     // not owned: found by GetDataSource
  UserCaseFileSpec caseFileSpec;
  std::unique_ptr<UserInputCaseFile> caseFile;  // a named data set other than the working file
  std::string sourceName;                       // local code page
  std::string sourceNameUtf8;
  std::vector<std::unique_ptr<GGraphVariable>> variables;  // the order of the table's columns
  std::vector<std::unique_ptr<GGraphStatistic>> statistics;
  std::vector<std::unique_ptr<DataFilter>> filters;
  // Each filter's columns, found at its first row test: the lookup by name
  // is too slow for every case.
  std::map<const DataFilter*, FilterColumns> filterColumns;
  std::vector<VariableEntry> variableEntries;
  bool reportMissing = false;
  bool listwise = true;
  std::uint32_t caseLimit = 0;  // 0: no limit
  ChartString summaryName;
  ChartString indexName;
  ChartString lowName;
  ChartString highName;
  bool hasVariableStatistic = false;
  bool hasCountStatistic = false;
  bool csvSource = false;
  std::unique_ptr<AggregationTable> aggregationTable;
  // One per break variable; the table's cube owns them once they are added.
  std::vector<AggregationVariable*> breakVariables;
  // The variable each break variable was made from.
  std::vector<GGraphVariable*> breakOrigins;
  std::uint32_t rowCount = 0;                      // rows written to the current split group's table
  std::uint32_t cellCount = 0;                     // the same for aggregated cells
  VEXA_InputCaseIterator* caseIterator = nullptr;  // not owned
  std::vector<SplitGroup> splitGroups;
  std::int32_t lastSplitGroup = -1;
  std::int32_t dataCursor = -1;
  // The names the VARIABLES list used so far, and those among them given as
  // GPL, high or low names.
  std::vector<std::string> usedNames;
  std::vector<std::string> aliasNames;

  // The split group getData gave last, null before the first and after the last.
  const SplitGroup* CurrentGroup() const;
  // Appends a group with an empty table and restarts the row counts.
  SplitGroup& StartSplitGroup();
  // Drops the newest group, whose cases are skipped.
  void DiscardNewestGroup();
};
