#pragma once
#include <cstdint>
#include <vector>

#include "engine/aggregation/CaseBatch.h"
#include "engine/aggregation/CellAccumulators.h"
#include "engine/aggregation/CellMap.h"
#include "engine/aggregation/CubeLayout.h"
#include "engine/aggregation/DimensionCoder.h"
#include "engine/aggregation/DirectCells.h"
#include "engine/aggregation/ValueStore.h"

// What one channel holds per cell of a part.
struct ChannelSums {
  explicit ChannelSums(bool weighted) : values(weighted) {}

  std::vector<CountSums> counts;
  std::vector<Moments> moments;
  ValueStore values;
};

// Aggregates a share of a cube's cases with state of its own: category codes,
// cells and channel sums. Batches go through the pipeline: weights, category
// codes, cells, valid values, and the channels. Parts of one cube may run on
// different threads; the cube merges them when the results are asked for.
class CubePart {
 public:
  explicit CubePart(const CubeLayout& layout);

  void AddBatch(const CaseBatch& batch);

  const CellMap& Cells() const { return cells_; }
  const DimensionCoder& Coder(int dimension) const { return coders_[dimension]; }
  const ChannelSums& Sums(int channel) const { return sums_[channel]; }
  void Clear();

 private:
  void AllocateBuffers();
  void ReadWeights(const CaseBatch& batch);
  void BuildEntries(const CaseBatch& batch);
  bool BuildDirectCells(const CaseBatch& batch);
  void BuildAllEntries(const CaseBatch& batch);
  void BuildSetEntries(const CaseBatch& batch, int row, int* tuple);
  void ReadStatisticValues(const CaseBatch& batch);
  void Accumulate(const ChannelSpec& spec, ChannelSums& sums);
  // Calls visit(row, cell, responses) for every case entering a cell that
  // passes `mask` (null: every one).
  template <class Visit>
  void ForEachEntry(const std::uint8_t* mask, Visit visit) const;

  const CubeLayout& layout_;
  std::vector<DimensionCoder> coders_;
  CellMap cells_;
  DirectCells directCells_;
  std::vector<ChannelSums> sums_;

  // Batch buffers, allocated at the first batch.
  int rows_ = 0;
  std::vector<double> weights_;
  std::vector<std::uint8_t> keep_;
  std::vector<int> codes_;  // dimension d, row i at d * kRows + i
  std::vector<int> slots_;  // BuildDirectCells: dimension d, row i at d * kRows + i
  std::vector<double> x_;   // value slot k, row i at k * kRows + i
  std::vector<const double*> values_;  // per value slot: its part of x_, or the column itself
  std::vector<std::uint8_t> valid_;
  std::vector<std::uint8_t> validAll_;
  std::vector<int> cellOfRow_;  // without sets: each row's cell, or -1
  std::vector<int> entryRows_;   // with sets: one entry per (case, cell)
  std::vector<int> entryCells_;
  std::vector<double> entryResponses_;
  std::vector<std::vector<CodeCount>> setCodes_;
  std::vector<ColumnView> memberViews_;
};
