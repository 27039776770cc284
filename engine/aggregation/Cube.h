#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "AggregationCube.h"
#include "AggregationVariable.h"
#include "CubeAggregator.h"
#include "engine/aggregation/CaseBatch.h"
#include "engine/aggregation/CaseRecorder.h"
#include "engine/aggregation/CategoryCoder.h"
#include "engine/aggregation/CellMap.h"
#include "engine/aggregation/ColumnCatalog.h"
#include "engine/aggregation/CubeLayout.h"
#include "engine/aggregation/CubePart.h"

class CategoryDimension;

// A cube and its aggregator. The definition is fixed at the first case
// (Freeze); batches of cases then go to the cube's parts, which may
// aggregate on different threads. Finish merges the parts' cells and
// computes the results of every cell.
class Cube : public AggregationCube, public CubeAggregator {
 public:
  // Parts that aggregate side by side. Fixed, not taken from the machine,
  // so that results round alike everywhere.
  static constexpr int kParts = 2;

  // `flushPending` hands the cases recorded so far to AddBatch and waits
  // until they are in.
  Cube(bool notListwise, std::function<void()> flushPending);
  ~Cube() override;

  void AddCategoricalVariable(AggregationVariable* variable, int reserved) override;
  void AddScaleStatistics(const std::vector<AggregationStatistic>& statistics) override;
  void AddCategoryStatistics(const std::vector<AggregationStatistic>& statistics,
                             AggregationVariable* variable) override;
  CubeAggregator* CreateCubeAggregator() override;
  const StatValues* GetStatValues(const std::vector<const AggregationCategory*>& path,
                                  int reserved) override;
  std::vector<int> GetFilledCellPaths() override;

  bool HasAggregator() const { return hasAggregator_; }
  bool IsFrozen() const { return frozen_; }
  // Fixes the definition; returns the columns every batch must carry, by slot.
  std::vector<SlotColumn> Freeze(const ColumnCatalog& catalog);
  // Calls for one part come one at a time; different parts may run at once.
  void AddBatch(int part, const CaseBatch& batch);
  void Finish();
  void Clear();

 private:
  struct Plan {
    AggregationStatistic statistic;
    int channel;  // -1: no result can be computed
  };

  int SlotOf(const ColumnInfo& info);
  int ChannelFor(ChannelKind kind, int slot, int mask);
  void PlanStatistic(const AggregationStatistic& statistic, const ColumnCatalog& catalog);
  void MergeParts();
  std::vector<int> TranslateCodes(const CubePart& part, int dimension);
  int MergedCodeCount(int dimension) const;
  void BuildCategories();
  void ComputeResults();
  StatValues CellResults(int cell, const std::vector<double>& allResponses) const;
  AggregationResult ChannelResult(const AggregationStatistic& statistic, int channel, int cell,
                                  double allResponses) const;

  std::function<void()> flushPending_;
  std::vector<std::unique_ptr<AggregationVariable>> variables_;
  std::vector<AggregationStatistic> statistics_;
  bool hasAggregator_ = false;

  // Fixed at the first case.
  bool frozen_ = false;
  CubeLayout layout_;
  std::vector<Plan> plans_;
  std::vector<std::unique_ptr<CubePart>> parts_;

  // The current split group: the parts' cells merged.
  std::atomic<bool> stale_{false};  // cases came in since the last Finish
  bool finished_ = false;
  std::vector<CategoryCoder> values_;  // per dimension, the values of the merged codes
  CellMap cells_;
  std::vector<int> partCells_;  // merged cell c, part p at c * kParts + p: the part's cell or -1
  std::vector<StatValues> results_;
};
