#pragma once
#include <vector>

#include "engine/aggregation/CellStatistics.h"
#include "engine/aggregation/ColumnCatalog.h"

class CategoryDimension;

// Where a channel accumulates what its statistics need: which values, over
// which cases of the cell.
struct ChannelSpec {
  static constexpr int kNoMask = -1;    // every case of the cell
  static constexpr int kListwise = -2;  // the cases valid on every statistic's variable

  ChannelKind kind;
  int slot;  // the variable's slot, -1 for a count without one
  int mask;  // kNoMask, kListwise, or the slot whose valid cases count
  unsigned momentParts = 0;  // kMoments: the MomentPart flags its statistics read
};

// What a cube reads from each batch and accumulates, fixed at its first case
// and shared, read-only, by the parts that aggregate its cases. A slot is a
// column that batches carry.
struct CubeLayout {
  bool notListwise = false;
  std::vector<CategoryDimension*> dimensions;
  std::vector<ColumnInfo> slotInfo;
  ColumnInfo weight;
  int weightSlot = -1;
  std::vector<int> dimensionSlots;             // per dimension, its first member's slot
  std::vector<std::vector<int>> memberSlots;   // per dimension, each member's slot or -1
  std::vector<int> valueSlots;                 // slots of the statistics' variables
  std::vector<int> valueIndexOfSlot;           // slot -> index into valueSlots, or -1
  bool hasSets = false;
  std::vector<ChannelSpec> channels;
};
