#pragma once
#include <cstdint>
#include <memory>
#include <vector>

class AggregationCube;
class CubeAggregator;
class VEXA_InputCaseIterator;

// Aggregates the cases of an iterator into a cube of break-variable cells.
// The caller adds the iterator's current case with AddNewCase, reads the
// results through the cube's aggregator and empties the cube with
// ResetAggregator before the next split group. The statistics are computed
// column by column in batches: AddNewCase only records the case.
//
// Case weights of the data source apply to every statistic; a case whose
// weight is zero, negative or missing enters no cell. With notListwise
// false, a case missing on any statistic's variable enters no statistic;
// with it true, each statistic uses the cases valid on its own variable.
// `reserved` and `reservedLimit` select nothing; callers pass false and -1.
//
// Reset or delete the table before deleting the iterator.
class AggregationTable {
 public:
  AggregationTable(VEXA_InputCaseIterator* cases, bool reserved, bool notListwise, int reservedLimit);
  ~AggregationTable();
  AggregationTable(const AggregationTable&) = delete;
  AggregationTable& operator=(const AggregationTable&) = delete;

  // The table's cube (owned by the table); null on a second call.
  AggregationCube* CreateCube();

  // Adds the iterator's current case. While the cases come in the order of
  // their store this only extends a run of row numbers.
  void AddNewCase() {
    if (*currentRow_ == nextRow_ && nextRow_ < runLimit_) {
      ++nextRow_;
      return;
    }
    AddCaseSlowly();
  }

  // Empties the cube for the next split group; definitions stay.
  void ResetAggregator();

  const std::vector<CubeAggregator*>& GetCubeAggregators() const;

  struct Rep;

 private:
  void AddCaseSlowly();

  std::unique_ptr<Rep> rep_;
  // The fast path of AddNewCase: the row number the iterator shows, the row
  // that extends the current run, and where the run must stop.
  const std::int64_t* currentRow_;
  std::int64_t nextRow_ = 0;
  std::int64_t runLimit_ = 0;
};
