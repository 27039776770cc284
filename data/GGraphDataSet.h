#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/chart/ChartCaseCounts.h"
#include "host/chart/ChartString.h"

class FacSTDictionary;
class GGraphStatistic;
class GGraphVariable;
class ProcedureDataSource;
class RelabelString;
class VarDataProcessor;
class VEXA_DataSource;
class VEXA_InputCaseIterator;
struct DataFilter;
struct VariableEntry;

// One GRAPHDATASET: the engine data set it reads, the name under which the
// chart refers to it, its variables and summary functions, its treatment of
// missing values, case limit, filters and VARSTOCASES transform, and, once the
// cases are read, one chart data table per split group.
class GGraphDataSet {
 public:
  // Neither argument is owned.
  GGraphDataSet(ProcedureDataSource* procedureData, FacSTDictionary* dictionary);
  ~GGraphDataSet();
  GGraphDataSet(const GGraphDataSet&) = delete;
  GGraphDataSet& operator=(const GGraphDataSet&) = delete;

  // Both take ownership.
  void AddVariable(GGraphVariable* variable);
  void AddStatistic(GGraphStatistic* statistic);

  // "*" for the working data, else a data set's name.
  void SetDataSetHandle(const std::string& handle);
  // A name in the local code page.
  void SetSourceName(const std::string& name);

  // Reads the cases into one table per split group, one row per case; the
  // relabelling records the cases of CASEVALUE functions. Gives the number of
  // rows kept (0: no data).
  std::uint32_t populateUnAggregatedData(RelabelString& relabel);

  // Defines the aggregation cube over the cases of the iterator (not owned;
  // it must outlive the reading). False when there is nothing to aggregate,
  // the cube exists already, or after a reported error. flag is passed on to
  // the aggregation table.
  bool BuildAggregation(VEXA_InputCaseIterator* cases, bool flag);
  // Aggregates the cases of the iterator given to BuildAggregation and writes
  // one row per non-empty cell into each split group's table; gives the
  // number of rows written over all groups.
  std::uint32_t PopulateAggregatedData(VEXA_InputCaseIterator* cases);
  // Empties the cube for the next split group.
  void ResetAggregator();

  // The checks the case loops share. CheckSplitGroup runs on the first case of
  // a split group: false when the group is to be skipped, else the group's
  // description is added to the newest group. TestFilter is the row test of
  // one filter on the current case. ReportFilterResults reports, once after
  // the reading, the excluded-data error (when noDataRemain) and the listed
  // values never seen.
  bool CheckSplitGroup(VEXA_InputCaseIterator* cases);
  bool TestFilter(DataFilter& filter, VEXA_InputCaseIterator* cases, VEXA_DataSource* source);
  void ReportFilterResults(bool noDataRemain);

  // True when more than one split group was read.
  bool containsSplits() const;
  // The next split group's table; null once the last one was given.
  VarDataProcessor* getData();
  // The description of the group whose table getData gave last.
  const std::vector<std::string>& getSplitNames() const;
  const std::vector<std::string>& getSplitLabels() const;
  const std::vector<std::string>& getSplitCategories() const;
  // What the reading did with the cases of that group.
  ChartCaseCounts getCaseCounts() const;
  // The next getData starts again at the first split group.
  void ResetDataCursor();

  // 0 LISTWISE, 1 VARIABLEWISE, 2 SETWISE.
  void SetMissingMode(int mode);
  bool IsListwise() const;
  // 1 reports missing values.
  void SetReportMissing(int flag);
  bool IsReportMissing() const;
  // 0: no limit.
  void SetCaseLimit(std::uint32_t limit);
  std::uint32_t GetCaseLimit() const;
  void SetCsvSource();
  bool IsCsvSource() const;

  // Column names in the local code page; an empty one takes its default.
  void SetVarsToCases(const std::string& summary, const std::string& index, const std::string& low,
                      const std::string& high);
  bool IsVarsToCases() const;
  // Copies the four names when the transform is in force.
  void GetVarsToCasesNames(ChartString& summary, ChartString& index, ChartString& low, ChartString& high) const;
  // False, leaving both untouched, unless both names are set.
  bool GetLowHighNames(ChartString& low, ChartString& high) const;

  void AddFilter(std::unique_ptr<DataFilter> filter);
  // False when a filter for the same variable (compared exactly) is present.
  bool IsNewFilter(const DataFilter& filter) const;
  const std::vector<std::unique_ptr<DataFilter>>& GetFilters() const;

  // A plain variable name of the VARIABLES list with its GPL name and level.
  void AddVariableEntry(const std::string& name, const std::string& gplName, std::uint32_t level);
  const std::vector<VariableEntry>& GetVariableEntries() const;
  // The duplicate-name bookkeeping of the VARIABLES list, ignoring case.
  // NoteVariableName records a name used (as an alias too when isAlias) and
  // gives 0 when it was used before, else 1. CheckAliasName gives 0 when the
  // name was given as an alias, else 1.
  int NoteVariableName(const std::string& name, bool isAlias);
  int CheckAliasName(const std::string& name) const;

  // Binds the statistics and turns the variable entries into variables; false
  // after a reported error.
  bool ResolveVariables();
  // The engine data source of the handle, found on first demand; null (after
  // reporting, unless the data set is a CSV source) when there is none.
  VEXA_DataSource* GetDataSource();
  // -1 without data source or weight.
  int GetWeightVariableIndex();

  const std::string& GetDataSetHandle() const;
  const std::string& GetSourceName() const;
  // The source name in UTF-8, as the chart's tables name it.
  const std::string& GetSourceNameUtf8() const;
  const std::vector<std::unique_ptr<GGraphVariable>>& GetVariables() const;
  const std::vector<std::unique_ptr<GGraphStatistic>>& GetStatistics() const;
  // True when a summary function other than CASEVALUE is present.
  bool HasAggregation() const;

  // The private record, defined in data/GGraphDataSetRep.h for the files that
  // implement the data set (its helpers take the record itself).
  struct Rep;

 private:
  Rep* rep_;
};
