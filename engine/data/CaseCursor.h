#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/data/CaseData.h"
#include "engine/data/ColumnStream.h"

// A position in the cases of a loaded data set: before the first case, on a
// case, or past the last. Columns too large to keep are streamed as the
// position moves.
class CaseCursor {
 public:
  explicit CaseCursor(const CaseData& data);

  long Row() const { return static_cast<long>(row_); }
  // Where the current row number is kept; it follows every move.
  const std::int64_t* RowAddress() const { return &row_; }
  bool HasNext() const { return row_ + 1 < data_.caseCount; }
  // True when some columns are streamed: a move may have to parse a chunk.
  bool Streams() const { return stream_ != nullptr; }
  void MoveToNext() {
    ++row_;
    if (stream_) stream_->MoveTo(static_cast<long>(row_));
  }
  // The move when nothing is streamed: only the row is counted.
  void CountNext() { ++row_; }
  void MoveToEnd() { row_ = data_.caseCount; }
  // The cells of a column in a row; null for a column that does not exist.
  // A column not read yet is read first.
  const OBS* CellAt(int column, long row) const;
  // Bulk reading of streamed columns (null without them): their cells are
  // there for the current chunk of rows, and for earlier ones while held.
  const ColumnStream* Stream() const { return stream_.get(); }
  // True when the two rows hold the same values in every given column.
  bool SameValues(const std::vector<int>& columns, long rowA, long rowB) const;

 private:
  void ReadColumn(int column) const;

  const CaseData& data_;
  mutable std::vector<int> cells_;   // cells per case of each column
  mutable std::vector<char> ready_;  // per column: read
  std::unique_ptr<ColumnStream> stream_;
  std::int64_t row_ = -1;
};
