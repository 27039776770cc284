#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "AggregationCube.h"
#include "AggregationVariable.h"
#include "CubeAggregator.h"
#include "engine/aggregation/CaseBatch.h"
#include "engine/aggregation/CaseRecorder.h"
#include "engine/aggregation/CategoryDimension.h"
#include "engine/aggregation/CellAccumulators.h"
#include "engine/aggregation/CellMap.h"
#include "engine/aggregation/CellStatistics.h"
#include "engine/aggregation/ColumnCatalog.h"
#include "engine/aggregation/ValueStore.h"

class CategoryDimension;

// A cube and its aggregator. The definition is fixed at the first case
// (Freeze); batches of cases then go through the pipeline: weights,
// category codes, cells, valid values, and the channels that accumulate per
// cell what the statistics need. Finish computes the results of every cell.
class Cube : public AggregationCube, public CubeAggregator {
 public:
  // `flushPending` hands the cases recorded so far to AddBatch.
  Cube(bool notListwise, std::function<void()> flushPending);
  ~Cube() override;

  void AddCategoricalVariable(AggregationVariable* variable, int reserved) override;
  void AddScaleStatistics(const std::vector<AggregationStatistic>& statistics) override;
  void AddCategoryStatistics(const std::vector<AggregationStatistic>& statistics,
                             AggregationVariable* variable) override;
  CubeAggregator* CreateCubeAggregator() override;
  const StatValues* GetStatValues(const std::vector<const AggregationCategory*>& path,
                                  int reserved) override;

  bool HasAggregator() const { return hasAggregator_; }
  bool IsFrozen() const { return frozen_; }
  // Fixes the definition; returns the columns every batch must carry, by slot.
  std::vector<SlotColumn> Freeze(const ColumnCatalog& catalog);
  void AddBatch(const CaseBatch& batch);
  void Finish();
  void Clear();

 private:
  static constexpr int kNoMask = -1;    // every case of the cell
  static constexpr int kListwise = -2;  // the cases valid on every statistic's variable

  struct Channel {
    ChannelKind kind;
    int slot;  // the variable's slot, -1 for a count without one
    int mask;  // kNoMask, kListwise, or the slot whose valid cases count
    std::vector<CountSums> counts;
    std::vector<Moments> moments;
    ValueStore values;
  };
  struct Plan {
    AggregationStatistic statistic;
    int channel;  // -1: no result can be computed
  };

  int SlotOf(const ColumnInfo& info);
  int ChannelFor(ChannelKind kind, int slot, int mask);
  void PlanStatistic(const AggregationStatistic& statistic, const ColumnCatalog& catalog);
  void ReadWeights(const CaseBatch& batch);
  void BuildEntries(const CaseBatch& batch);
  void BuildAllEntries(const CaseBatch& batch);
  void BuildSetEntries(const CaseBatch& batch, int row, int* tuple);
  void ReadStatisticValues(const CaseBatch& batch);
  void Accumulate(Channel& channel);
  // Calls visit(row, cell, responses) for every case entering a cell that
  // passes `mask` (null: every one).
  template <class Visit>
  void ForEachEntry(const std::uint8_t* mask, Visit visit) const;
  void BuildCategories();
  void ComputeResults();
  StatValues CellResults(int cell, const std::vector<double>& allResponses);

  bool notListwise_;
  std::function<void()> flushPending_;
  std::vector<std::unique_ptr<AggregationVariable>> variables_;
  std::vector<AggregationStatistic> statistics_;
  bool hasAggregator_ = false;

  // Fixed at the first case.
  bool frozen_ = false;
  std::vector<CategoryDimension*> dimensions_;
  std::vector<ColumnInfo> slotInfo_;
  ColumnInfo weight_;
  int weightSlot_ = -1;
  std::vector<int> dimensionSlots_;      // per dimension, its first member's slot
  std::vector<std::vector<int>> memberSlots_;  // per dimension, each member's slot or -1
  std::vector<int> valueSlots_;          // slots of the statistics' variables
  std::vector<int> valueIndexOfSlot_;    // slot -> index into valueSlots_, or -1
  bool hasSets_ = false;
  std::vector<Plan> plans_;
  std::vector<Channel> channels_;

  // The current split group.
  CellMap cells_;
  std::vector<StatValues> results_;
  bool finished_ = false;

  // Batch buffers.
  int rows_ = 0;
  std::vector<double> weights_;
  std::vector<std::uint8_t> keep_;
  std::vector<int> codes_;  // dimension d, row i at d * kRows + i
  std::vector<double> x_;   // value slot k, row i at k * kRows + i
  std::vector<std::uint8_t> valid_;
  std::vector<std::uint8_t> validAll_;
  std::vector<int> cellOfRow_;  // without sets: each row's cell, or -1
  std::vector<int> entryRows_;   // with sets: one entry per (case, cell)
  std::vector<int> entryCells_;
  std::vector<double> entryResponses_;
  std::vector<std::vector<CodeCount>> setCodes_;
  std::vector<ColumnView> memberViews_;
};
