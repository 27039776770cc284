#pragma once
#include <cstdint>
#include <vector>

#include "data/GGraphDataSetRep.h"
#include "data/VarsToCasesColumns.h"
#include "host/chart/VarDataColumn.h"
#include "host/engine/AggregationCategory.h"

class CubeAggregator;
class StatValues;
class VEXA_DataSource;

// Copies the cells of a split group's cube into the group's table: one row
// per cell that holds data (one per statistic under VARSTOCASES), the first
// break variable varying slowest.
class AggregatedCellWriter {
 public:
  AggregatedCellWriter(GGraphDataSet::Rep& rep, VEXA_DataSource& source);

  // Creates the source and the columns of a group's table.
  void StartGroup(VarDataProcessor& table, std::uint32_t aggregatedCases);
  // Walks the cells of the cube, advancing the data set's cellCount.
  void WriteCells(CubeAggregator& aggregator);

 private:
  // A statistic's columns.
  struct StatisticColumns {
    VarDataColumn value;
    VarDataColumn low;
    VarDataColumn high;
  };

  // `cells` filled cells that differ in the last break variable only, their
  // category paths one after another from `firstPath`.
  void WriteLastLevel(const int* firstPath, std::size_t cells);
  void WriteCell(const StatValues& values, double lastLevelCount);
  void WriteBreakValue(std::size_t k, const AggregationCategory& category, int row);
  void WriteStatistics(const StatValues& values, double lastLevelCount, int row);
  void WriteBounds(std::size_t i, int row, double low, double high);

  GGraphDataSet::Rep& rep_;
  VEXA_DataSource& source_;
  VarDataProcessor* table_ = nullptr;
  CubeAggregator* aggregator_ = nullptr;
  bool stacked_;
  bool countErrorBars_ = false;  // a COUNT error bar needs the last level's total
  int statisticCount_;
  VarsToCasesColumns stackedColumns_;
  std::vector<StatisticColumns> statisticColumns_;
  std::vector<const std::vector<AggregationCategory>*> categories_;  // per break variable
  std::vector<const AggregationCategory*> path_;
  std::vector<const StatValues*> lastLevel_;
};
