#include "chartlib/output/DataTableJson.h"

#include <algorithm>

#include "OBS.h"
#include "VarDataProcessor.h"
#include "chartlib/data/DataTableStore.h"
#include "chartlib/output/JsonValues.h"
#include "chartlib/text/ShortestDouble.h"

namespace {

void WriteCell(JsonWriter& json, const DataColumn::Cell& cell) {
  switch (cell.kind) {
    case DataColumn::Cell::Kind::kNumber:
      WriteNumber(json, cell.number);
      return;
    case DataColumn::Cell::Kind::kText:
      WriteText(json, *cell.text);
      return;
    case DataColumn::Cell::Kind::kEmpty:
      break;
  }
  json.Null();
}

void WriteColumn(JsonWriter& json, const DataColumn& column, std::size_t rows, bool withValues) {
  json.StartObject();
  WriteField(json, "name", column.Name());
  if (withValues) {
    json.Key("values");
    json.StartArray();
    for (std::size_t row = 0; row < rows; ++row) WriteCell(json, column.At(row));
    json.EndArray();
  }
  json.EndObject();
}

void WriteSource(JsonWriter& json, const DataSourceTable& source, bool withValues) {
  json.StartObject();
  WriteField(json, "name", source.Name());
  json.Key("rows");
  json.Uint64(source.RowCount());
  json.Key("columns");
  json.StartArray();
  for (std::size_t i = 0; i < source.ColumnCount(); ++i)
    WriteColumn(json, source.ColumnAt(i), source.RowCount(), withValues);
  json.EndArray();
  json.EndObject();
}

// Missing cells show as "." in the listing, as the engine shows them.
std::string CellText(const DataColumn::Cell& cell) {
  switch (cell.kind) {
    case DataColumn::Cell::Kind::kNumber:
      return cell.number == kSysMiss ? "." : ShortestDoubleText(cell.number, 16);
    case DataColumn::Cell::Kind::kText:
      return *cell.text;
    case DataColumn::Cell::Kind::kEmpty:
      break;
  }
  return "";
}

void WriteSourcePreview(std::ostream& out, const DataSourceTable& source, std::size_t rows) {
  out << "  Source " << source.Name() << ": " << source.RowCount() << " rows, " << source.ColumnCount()
      << " columns\n";
  if (source.ColumnCount() == 0) return;
  out << "   ";
  for (std::size_t i = 0; i < source.ColumnCount(); ++i) out << (i ? " | " : " ") << source.ColumnAt(i).Name();
  out << '\n';
  std::size_t shown = std::min(rows, source.RowCount());
  for (std::size_t row = 0; row < shown; ++row) {
    out << "   ";
    for (std::size_t i = 0; i < source.ColumnCount(); ++i)
      out << (i ? " | " : " ") << CellText(source.ColumnAt(i).At(row));
    out << '\n';
  }
  if (shown < source.RowCount()) out << "    ... " << source.RowCount() - shown << " more rows\n";
}

}  // namespace

void WriteDataTable(JsonWriter& json, const VarDataProcessor& table, bool withValues) {
  const DataTableStore& store = table.Store();
  json.StartObject();
  json.Key("sources");
  json.StartArray();
  for (std::size_t i = 0; i < store.SourceCount(); ++i) WriteSource(json, store.SourceAt(i), withValues);
  json.EndArray();
  json.EndObject();
}

void WriteDataPreview(std::ostream& out, const VarDataProcessor& table, std::size_t rows) {
  const DataTableStore& store = table.Store();
  for (std::size_t i = 0; i < store.SourceCount(); ++i) WriteSourcePreview(out, store.SourceAt(i), rows);
}
