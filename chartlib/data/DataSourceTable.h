#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "chartlib/data/DataColumn.h"

// One named source of a chart data table: its columns in creation order and
// its row count (the highest row written, plus one).
class DataSourceTable {
 public:
  DataSourceTable(std::string name, std::size_t expectedRows);
  DataSourceTable(const DataSourceTable& other);
  DataSourceTable& operator=(const DataSourceTable&) = delete;

  const std::string& Name() const { return name_; }
  std::size_t RowCount() const { return rows_; }
  std::size_t ColumnCount() const { return columns_.size(); }
  DataColumn& ColumnAt(std::size_t index) { return *columns_[index]; }
  const DataColumn& ColumnAt(std::size_t index) const { return *columns_[index]; }
  // The column's index; a missing column is created.
  std::size_t ColumnIndex(const std::string& name);
  const DataColumn* FindColumn(const std::string& name) const;

  // Called after a cell of row was written.
  void NoteWritten(std::size_t row) {
    if (row >= rows_) rows_ = row + 1;
  }
  // Empties the row; trailing empty rows stop counting.
  void DeleteRow(std::size_t row);

 private:
  bool RowIsEmpty(std::size_t row) const;

  std::string name_;
  std::size_t expectedRows_;
  std::size_t rows_ = 0;
  std::vector<std::unique_ptr<DataColumn>> columns_;
  std::unordered_map<std::string, std::size_t> columnIndex_;
};
