#pragma once
#include <cstdint>
#include <memory>
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

// Recorded cases: runs of row numbers of the iterator's store, or copies of
// the cells of the columns the cube reads.
struct CaseChunk {
  std::vector<std::pair<std::int64_t, std::int64_t>> runs;  // first row, count
  std::vector<std::shared_ptr<const void>> held;            // keep the runs' cells of a streamed file
  std::vector<std::vector<OBS>> captured;                   // per slot
  std::int64_t rows = 0;
};

// Keeps the cases added since the last chunk was taken: as runs when the
// iterator's store can be read in bulk, else by copying cells case by case.
// Process hands a chunk to a part of the cube in batches.
class CaseRecorder {
 public:
  explicit CaseRecorder(VEXA_InputCaseIterator* cases);

  // The address of the iterator's current row number; null without bulk reading.
  const std::int64_t* RowAddress() const;
  void Bind(std::vector<SlotColumn> slots);

  // hold: the token that keeps the run's cells (CaseColumnAccess::HoldRows).
  void AddRun(std::int64_t first, std::int64_t count, std::shared_ptr<const void> hold);
  void CaptureCurrentCase();
  std::int64_t PendingRows() const { return current_.rows; }

  // Hands over the cases recorded so far and starts an empty chunk.
  CaseChunk TakeChunk();
  // Hands a chunk to one part of the cube; may run on another thread than
  // the recording.
  void Process(const CaseChunk& chunk, Cube& cube, int part) const;
  void Clear();

 private:
  void ProcessRuns(const CaseChunk& chunk, Cube& cube, int part) const;
  void ProcessCaptured(const CaseChunk& chunk, Cube& cube, int part) const;

  VEXA_InputCaseIterator* cases_;
  const CaseColumnAccess* access_;
  std::vector<SlotColumn> slots_;
  CaseChunk current_;
};
