#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class VarDataProcessor;

// The handle of one column of a chart data table. The caller allocates it,
// VarDataProcessor::AddVariable fills it, and every write through it goes
// straight to the column, without looking its names up.
class VarDataColumn {
 public:
  const std::string& sourceName() const { return sourceName_; }
  const std::string& columnName() const { return columnName_; }

 private:
  friend class VarDataProcessor;
  std::string sourceName_;
  std::string columnName_;
  std::uint64_t stamp_ = 0;  // which table layout the indices belong to
  std::size_t sourceIndex_ = 0;
  std::size_t columnIndex_ = 0;
};
