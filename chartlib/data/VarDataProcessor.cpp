#include "VarDataProcessor.h"

#include <algorithm>

#include "chartlib/data/DataTableStore.h"

namespace {

// A row count hint is only a reservation; a wrong one must not cost much.
constexpr int kMostReservedRows = 1 << 20;

std::size_t Reservation(int expectedRows) {
  return static_cast<std::size_t>(std::clamp(expectedRows, 0, kMostReservedRows));
}

}  // namespace

VarDataProcessor::VarDataProcessor() : store_(std::make_unique<DataTableStore>()) {}

VarDataProcessor::~VarDataProcessor() = default;

bool VarDataProcessor::AddDataSource(const std::string& source, int expectedRows) {
  bool created = false;
  store_->SourceIndex(source, Reservation(expectedRows), &created);
  return created;
}

bool VarDataProcessor::AddVariable(const std::string& source, const std::string& column, VarDataColumn* handle) {
  std::size_t sourceIndex = store_->SourceIndex(source, 0);
  std::size_t columnIndex = store_->SourceAt(sourceIndex).ColumnIndex(column);
  if (handle) {
    handle->sourceName_ = source;
    handle->columnName_ = column;
    handle->stamp_ = store_->Stamp();
    handle->sourceIndex_ = sourceIndex;
    handle->columnIndex_ = columnIndex;
  }
  return true;
}

// Straight to the cell while the store still has the layout the handle was
// filled for; by the handle's names after the layout changed. A handle that
// no table filled writes nothing.
template <typename Write>
bool VarDataProcessor::WriteCell(const VarDataColumn& column, int row, Write write) {
  if (row < 0) return false;
  if (column.stamp_ != store_->Stamp()) {
    if (column.stamp_ == 0) return false;
    return WriteCell(column.sourceName_, column.columnName_, row, write);
  }
  DataSourceTable& source = store_->SourceAt(column.sourceIndex_);
  write(source.ColumnAt(column.columnIndex_), static_cast<std::size_t>(row));
  source.NoteWritten(static_cast<std::size_t>(row));
  return true;
}

template <typename Write>
bool VarDataProcessor::WriteCell(const std::string& source, const std::string& column, int row, Write write) {
  if (row < 0) return false;
  DataSourceTable& table = store_->SourceAt(store_->SourceIndex(source, 0));
  write(table.ColumnAt(table.ColumnIndex(column)), static_cast<std::size_t>(row));
  table.NoteWritten(static_cast<std::size_t>(row));
  return true;
}

namespace {

auto NumberWrite(double value) {
  return [value](DataColumn& column, std::size_t row) { column.SetNumber(row, value); };
}

auto TextWrite(const std::string& text) {
  return [&text](DataColumn& column, std::size_t row) { column.SetText(row, text); };
}

}  // namespace

bool VarDataProcessor::SetVariableValue(const VarDataColumn& column, int row, double value) {
  return WriteCell(column, row, NumberWrite(value));
}

bool VarDataProcessor::SetVariableValue(const std::string& source, const std::string& column, int row,
                                        double value) {
  return WriteCell(source, column, row, NumberWrite(value));
}

bool VarDataProcessor::SetStringVariableValue(const VarDataColumn& column, int row, const std::string& utf8) {
  return WriteCell(column, row, TextWrite(utf8));
}

bool VarDataProcessor::SetStringVariableValue(const std::string& source, const std::string& column, int row,
                                              const std::string& utf8) {
  return WriteCell(source, column, row, TextWrite(utf8));
}

bool VarDataProcessor::DeleteRow(const std::string& source, int row) {
  DataSourceTable* table = store_->FindSource(source);
  if (!table) return false;
  if (row >= 0) table->DeleteRow(static_cast<std::size_t>(row));
  return true;
}

void VarDataProcessor::AddVDP(const VarDataProcessor* other) {
  if (!other || other == this) return;
  const DataTableStore& from = *other->store_;
  for (std::size_t i = 0; i < from.SourceCount(); ++i) store_->CopyIn(from.SourceAt(i));
}

std::vector<std::string> VarDataProcessor::GetSourceNames() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < store_->SourceCount(); ++i) names.push_back(store_->SourceAt(i).Name());
  return names;
}

int VarDataProcessor::GetRowCount(const std::string& source) const {
  const DataSourceTable* table = store_->FindSource(source);
  return table ? static_cast<int>(table->RowCount()) : 0;
}

std::vector<std::string> VarDataProcessor::GetColumnNames(const std::string& source) const {
  std::vector<std::string> names;
  if (const DataSourceTable* table = store_->FindSource(source))
    for (std::size_t i = 0; i < table->ColumnCount(); ++i) names.push_back(table->ColumnAt(i).Name());
  return names;
}

VarDataValue VarDataProcessor::GetValue(const std::string& source, const std::string& column, int row) const {
  const DataSourceTable* table = store_->FindSource(source);
  const DataColumn* cells = table ? table->FindColumn(column) : nullptr;
  if (!cells || row < 0) return {};
  DataColumn::Cell cell = cells->At(static_cast<std::size_t>(row));
  switch (cell.kind) {
    case DataColumn::Cell::Kind::kNumber:
      return VarDataValue{VarDataValue::Kind::kNumber, cell.number, {}};
    case DataColumn::Cell::Kind::kText:
      return VarDataValue{VarDataValue::Kind::kText, 0, *cell.text};
    case DataColumn::Cell::Kind::kEmpty:
      break;
  }
  return {};
}
