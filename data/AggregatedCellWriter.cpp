#include "data/AggregatedCellWriter.h"

#include <algorithm>

#include "host/chart/VarDataProcessor.h"
#include "host/chart/XUtility.h"
#include "host/engine/CubeAggregator.h"
#include "host/engine/StatValues.h"
#include "host/engine/TableDimension.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_Variable.h"
#include "report/Utf8FromLocalCodePage.h"

AggregatedCellWriter::AggregatedCellWriter(GGraphDataSet::Rep& rep, VEXA_DataSource& source)
    : rep_(rep),
      source_(source),
      stacked_(!rep.summaryName.empty() && !rep.indexName.empty()),
      statisticCount_(static_cast<int>(rep.statistics.size())),
      stackedColumns_(rep),
      statisticColumns_(rep.statistics.size()) {
  for (const auto& statistic : rep.statistics)
    if (statistic->IsCount() && statistic->IsInterval()) countErrorBars_ = true;
}

void AggregatedCellWriter::StartGroup(VarDataProcessor& table, std::uint32_t aggregatedCases) {
  table_ = &table;
  const std::string& source = rep_.sourceNameUtf8;
  table.AddDataSource(source, static_cast<int>(aggregatedCases / 10 + 10));
  for (const auto& variable : rep_.variables) variable->AddToDataProcessor(&table, source);
  if (stacked_) {
    stackedColumns_.AddTo(table, source);
    return;
  }
  for (std::size_t i = 0; i < rep_.statistics.size(); ++i) {
    const GGraphStatistic& statistic = *rep_.statistics[i];
    table.AddVariable(source, statistic.GetGPLLabel().toUTF8(), &statisticColumns_[i].value);
    if (!statistic.IsInterval()) continue;
    table.AddVariable(source, statistic.GetLowGPLLabel().toUTF8(), &statisticColumns_[i].low);
    table.AddVariable(source, statistic.GetHighGPLLabel().toUTF8(), &statisticColumns_[i].high);
  }
}

void AggregatedCellWriter::WriteCells(CubeAggregator& aggregator) {
  aggregator_ = &aggregator;
  path_.clear();
  const std::size_t breaks = rep_.breakVariables.size();
  if (breaks == 0) {
    if (const StatValues* values = aggregator.GetStatValues(path_, -1))
      WriteCell(*values, values->GetStatValue(statisticCount_));
    return;
  }
  categories_.clear();
  for (const auto& variable : rep_.breakVariables) categories_.push_back(&variable->GetTableDimension()->GetCategories());
  // Only the filled cells, in path order: the walk costs what the cells
  // hold, never the product of the category counts.
  const std::vector<int> paths = aggregator.GetFilledCellPaths();
  const std::size_t cells = paths.size() / breaks;
  for (std::size_t first = 0; first < cells;) {
    std::size_t end = first + 1;
    while (end < cells && std::equal(&paths[first * breaks], &paths[first * breaks] + breaks - 1, &paths[end * breaks])) ++end;
    WriteLastLevel(&paths[first * breaks], end - first);
    first = end;
  }
}

// The cells that differ in the last break variable only: each is looked up
// once, and their COUNT error bars take the total over these cells, each
// counted once.
void AggregatedCellWriter::WriteLastLevel(const int* firstPath, std::size_t cells) {
  const std::size_t breaks = categories_.size();
  path_.clear();
  for (std::size_t k = 0; k + 1 < breaks; ++k) path_.push_back(&(*categories_[k])[firstPath[k]]);
  path_.push_back(nullptr);
  lastLevel_.assign(cells, nullptr);
  double total = 0;
  for (std::size_t c = 0; c < cells; ++c) {
    path_.back() = &(*categories_.back())[firstPath[c * breaks + breaks - 1]];
    lastLevel_[c] = aggregator_->GetStatValues(path_, -1);
    if (countErrorBars_ && lastLevel_[c]) total += lastLevel_[c]->GetStatValue(statisticCount_);
  }
  for (std::size_t c = 0; c < cells; ++c) {
    if (!lastLevel_[c]) continue;
    path_.back() = &(*categories_.back())[firstPath[c * breaks + breaks - 1]];
    WriteCell(*lastLevel_[c], total);
  }
}

void AggregatedCellWriter::WriteCell(const StatValues& values, double lastLevelCount) {
  const int row = static_cast<int>(rep_.cellCount);
  for (std::size_t k = 0; k < path_.size(); ++k) WriteBreakValue(k, *path_[k], row);
  WriteStatistics(values, lastLevelCount, row);
  rep_.cellCount += stacked_ ? static_cast<std::uint32_t>(statisticCount_) : 1u;
}

void AggregatedCellWriter::WriteBreakValue(std::size_t k, const AggregationCategory& category, int row) {
  GGraphVariable& variable = *rep_.breakOrigins[k];
  const int rows = stacked_ ? statisticCount_ : 1;
  if (!category.IsString()) {
    variable.SetNumericValue(category.GetValue(), row);
    for (int i = 1; i < rows; ++i)
      table_->SetVariableValue(rep_.sourceNameUtf8, variable.GetVariableUnicodeName(), row + i, category.GetValue());
    return;
  }
  std::string text;
  const int memberColumn = category.GetMemberColumn();
  if (const VEXA_Variable* member = memberColumn >= 0 ? source_.GetVariable(memberColumn) : nullptr) {
    text = Utf8FromLocalCodePage(member->GetName());
  } else {
    const std::string bytes(category.GetString()->text,
                            static_cast<std::size_t>(category.GetStringCells()) * sizeof(OBS));
    text = XUtility::ChartStringFromLocalCodePage(bytes).trimSpaces(false).toUTF8();
  }
  for (int i = 0; i < rows; ++i) variable.SetStringValue(text, row + i);
}

void AggregatedCellWriter::WriteStatistics(const StatValues& values, double lastLevelCount, int row) {
  const bool hasBreaks = !rep_.breakVariables.empty();
  for (std::size_t i = 0; i < rep_.statistics.size(); ++i) {
    GGraphStatistic& statistic = *rep_.statistics[i];
    const double value = values.GetStatValue(static_cast<int>(i));
    const double shown = statistic.BoundedResult(value);
    if (stacked_)
      stackedColumns_.WriteNumber(row + static_cast<int>(i), static_cast<int>(i), shown);
    else
      table_->SetVariableValue(statisticColumns_[i].value, row, shown);
    if (!statistic.IsInterval()) continue;
    double count = values.GetStatValue(statisticCount_);
    if (statistic.IsCount() && hasBreaks) count = lastLevelCount;
    double low = 0;
    double high = 0;
    const AggregationResult& extra = values.GetStatValue(statisticCount_ + 1 + static_cast<int>(i));
    if (statistic.ComputeInterval(value, extra, count, low, high)) WriteBounds(i, row, low, high);
  }
}

void AggregatedCellWriter::WriteBounds(std::size_t i, int row, double low, double high) {
  if (stacked_) {
    stackedColumns_.WriteBounds(row + static_cast<int>(i), low, high);
    return;
  }
  table_->SetVariableValue(statisticColumns_[i].low, row, low);
  table_->SetVariableValue(statisticColumns_[i].high, row, high);
}
