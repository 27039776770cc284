#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "OBS.h"

class CaseColumnAccess;
class Cube;
class VEXA_InputCaseIterator;

// A column the cube reads, and its cells per case.
struct SlotColumn {
  int column;
  int cells;
};

// Keeps the cases added since the last flush: as runs of row numbers when
// the iterator's store can be read in bulk, else as copies of the cells of
// the columns the cube reads. Flush hands them to the cube in batches.
class CaseRecorder {
 public:
  explicit CaseRecorder(VEXA_InputCaseIterator* cases);

  // The address of the iterator's current row number; null without bulk reading.
  const std::int64_t* RowAddress() const;
  void Bind(std::vector<SlotColumn> slots);

  void AddRun(std::int64_t first, std::int64_t count);
  void CaptureCurrentCase();
  std::int64_t PendingRows() const { return pending_; }

  void Flush(Cube& cube);
  void Clear();

 private:
  void FlushRuns(Cube& cube);
  void FlushCaptured(Cube& cube);

  VEXA_InputCaseIterator* cases_;
  const CaseColumnAccess* access_;
  std::vector<SlotColumn> slots_;
  std::vector<std::pair<std::int64_t, std::int64_t>> runs_;  // first row, count
  std::vector<std::vector<OBS>> captured_;                   // per slot
  std::int64_t pending_ = 0;
};
