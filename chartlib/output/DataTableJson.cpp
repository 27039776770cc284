#include "chartlib/output/DataTableJson.h"

#include <algorithm>
#include <vector>

#include "OBS.h"
#include "VarDataProcessor.h"
#include "XGraph.h"
#include "XVariable.h"
#include "chartlib/data/DataTableStore.h"
#include "chartlib/output/JsonValues.h"
#include "chartlib/output/ListedCell.h"

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

// The first chart variable that reads the column.
const XVariable* VariableOf(const XGraph* graph, const std::string& column) {
  if (!graph) return nullptr;
  for (const auto& variable : graph->variables())
    if (variable->getName() == column) return variable.get();
  return nullptr;
}

void WriteSourcePreview(std::ostream& out, const DataSourceTable& source, std::size_t rows, const XGraph* graph) {
  out << "  Source " << source.Name() << ": " << source.RowCount() << " rows, " << source.ColumnCount()
      << " columns\n";
  if (source.ColumnCount() == 0) return;
  out << "   ";
  for (std::size_t i = 0; i < source.ColumnCount(); ++i) out << (i ? " | " : " ") << source.ColumnAt(i).Name();
  out << '\n';
  std::vector<const XVariable*> variables;
  for (std::size_t i = 0; i < source.ColumnCount(); ++i) variables.push_back(VariableOf(graph, source.ColumnAt(i).Name()));
  std::size_t shown = std::min(rows, source.RowCount());
  for (std::size_t row = 0; row < shown; ++row) {
    out << "   ";
    for (std::size_t i = 0; i < source.ColumnCount(); ++i)
      out << (i ? " | " : " ") << ListedCell(source.ColumnAt(i).At(row), variables[i]);
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

void WriteDataPreview(std::ostream& out, const VarDataProcessor& table, std::size_t rows, const XGraph* graph) {
  const DataTableStore& store = table.Store();
  for (std::size_t i = 0; i < store.SourceCount(); ++i) WriteSourcePreview(out, store.SourceAt(i), rows, graph);
}
