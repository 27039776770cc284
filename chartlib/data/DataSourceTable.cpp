#include "chartlib/data/DataSourceTable.h"

DataSourceTable::DataSourceTable(std::string name, std::size_t expectedRows)
    : name_(std::move(name)), expectedRows_(expectedRows) {}

DataSourceTable::DataSourceTable(const DataSourceTable& other)
    : name_(other.name_), expectedRows_(other.expectedRows_), rows_(other.rows_), columnIndex_(other.columnIndex_) {
  columns_.reserve(other.columns_.size());
  for (const auto& column : other.columns_) columns_.push_back(std::make_unique<DataColumn>(*column));
}

std::size_t DataSourceTable::ColumnIndex(const std::string& name) {
  auto found = columnIndex_.find(name);
  if (found != columnIndex_.end()) return found->second;
  columns_.push_back(std::make_unique<DataColumn>(name, expectedRows_));
  columnIndex_.emplace(name, columns_.size() - 1);
  return columns_.size() - 1;
}

const DataColumn* DataSourceTable::FindColumn(const std::string& name) const {
  auto found = columnIndex_.find(name);
  return found == columnIndex_.end() ? nullptr : columns_[found->second].get();
}

bool DataSourceTable::RowIsEmpty(std::size_t row) const {
  for (const auto& column : columns_)
    if (!column->IsEmpty(row)) return false;
  return true;
}

void DataSourceTable::DeleteRow(std::size_t row) {
  for (auto& column : columns_) column->Clear(row);
  while (rows_ > 0 && RowIsEmpty(rows_ - 1)) --rows_;
}
