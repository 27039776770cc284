#include "chartlib/render/InlineTable.h"

#include <algorithm>
#include <set>

#include <fmt/format.h>

#include "OBS.h"
#include "VarDataProcessor.h"
#include "XGraph.h"
#include "XVariable.h"
#include "chartlib/data/DataTableStore.h"
#include "chartlib/document/DocumentState.h"
#include "chartlib/text/ShortestDouble.h"

namespace {

const XVariable* VariableOf(const DocumentState& state, const ColumnRef& column) {
  if (!state.graph) return nullptr;
  for (const auto& variable : state.graph->variables())
    if (variable->getName() == column.column && variable->getSource() == column.source) return variable.get();
  return nullptr;
}

const DataSourceTable* SourceOf(const DocumentState& state, const std::string& name) {
  if (!state.data) return nullptr;
  const DataTableStore& store = state.data->Store();
  if (const DataSourceTable* source = store.FindSource(name)) return source;
  // A chart bound to its only source under another name still reads it.
  return store.SourceCount() == 1 ? &store.SourceAt(0) : nullptr;
}

bool SameNumber(double a, double b) { return a == b; }

// The shown value of a cell: its value label, else the value itself.
nlohmann::json Shown(const DataColumn::Cell& cell, const XVariable* variable, const FieldLook& look) {
  if (cell.kind == DataColumn::Cell::Kind::kEmpty) return nullptr;
  if (cell.kind == DataColumn::Cell::Kind::kNumber && cell.number == kSysMiss) return nullptr;
  if (variable && look.categorical) {
    for (const XVariable::Relabel& relabel : variable->getRelabels()) {
      bool text = cell.kind == DataColumn::Cell::Kind::kText;
      bool matches =
          (relabel.by == XVariable::Relabel::By::kText && text && relabel.text == *cell.text) ||
          (relabel.by == XVariable::Relabel::By::kText && !text && relabel.text == ShortestDoubleText(cell.number, 16)) ||
          (relabel.by == XVariable::Relabel::By::kNumber && !text && SameNumber(relabel.number, cell.number)) ||
          (relabel.by == XVariable::Relabel::By::kIndex && !text && SameNumber(relabel.index, cell.number));
      if (matches) return relabel.label;
    }
  }
  if (cell.kind == DataColumn::Cell::Kind::kText) return *cell.text;
  // next to labels an unlabelled category is a text too: Vega-Lite sorts by
  // texts or by numbers, not by both
  if (look.categorical && variable && !variable->getRelabels().empty()) return ShortestDoubleText(cell.number, 16);
  if (look.temporal) return cell.number * 1000;
  return cell.number;
}

// The DATA names that the elements draw from: a declared column that no
// element uses cannot make the picture wrong (the module declares every
// column of its data set, also those that a transform replaced).
std::set<std::string> UsedNames(const ChartModel& model) {
  std::set<std::string> used;
  for (const ElementModel& element : model.elements) {
    for (const PositionDim& dim : element.dims)
      for (const std::string* name : {&dim.field, &dim.nestedIn, &dim.rangeHigh})
        if (!name->empty()) used.insert(*name);
    for (const AestheticUse& use : element.aesthetics)
      if (!use.field.empty()) used.insert(use.field);
  }
  return used;
}

// A cell as GPL writes a value: SCALE: cat(dim(1), include("2", "1")).
std::string ValueText(const DataColumn::Cell& cell) {
  return cell.kind == DataColumn::Cell::Kind::kText ? *cell.text : ShortestDoubleText(cell.number, 16);
}

// Numeric categories in the order of their values (rows of case data come in
// any order; a cube's come in this one), texts after them as they came.
void OrderCategories(std::vector<std::pair<double, nlohmann::json>>& numbers, nlohmann::json& categories) {
  if (numbers.empty()) return;
  std::stable_sort(numbers.begin(), numbers.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  nlohmann::json ordered = nlohmann::json::array();
  for (auto& [number, shown] : numbers) ordered.push_back(shown);
  for (const nlohmann::json& shown : categories)
    if (std::find(ordered.begin(), ordered.end(), shown) == ordered.end()) ordered.push_back(shown);
  categories = std::move(ordered);
}

void NoteExtent(FieldLook& look, double value) {
  if (!look.min || value < *look.min) look.min = value;
  if (!look.max || value > *look.max) look.max = value;
}

}  // namespace

InlineTable BuildInlineTable(const ChartModel& model, const DocumentState& state) {
  InlineTable table;
  struct Read {
    const DataColumn* column;
    const XVariable* variable;
    FieldLook* look;
    std::set<std::string> seen;
    std::vector<std::pair<double, nlohmann::json>> numbers;  // numeric categories with what they show
  };
  std::vector<Read> reads;
  const DataSourceTable* source = nullptr;
  std::set<std::string> used = UsedNames(model);
  for (const auto& [name, ref] : model.columns) {
    if (!used.count(name)) continue;
    const XVariable* variable = VariableOf(state, ref);
    FieldLook& look = table.looks[name] = LookOf(ref, variable);
    const DataSourceTable* from = SourceOf(state, ref.source);
    if (!source) source = from;
    const DataColumn* column = from && from == source ? from->FindColumn(ref.column) : nullptr;
    if (column && std::none_of(reads.begin(), reads.end(), [&](const Read& read) { return read.column == column; }))
      reads.push_back({column, variable, &look, {}, {}});
  }
  if (!source) return table;
  for (std::size_t row = 0; row < source->RowCount(); ++row) {
    nlohmann::json record = nlohmann::json::object();
    for (Read& read : reads) {
      DataColumn::Cell cell = read.column->At(row);
      nlohmann::json value = Shown(cell, read.variable, *read.look);
      if (read.look->categorical && !value.is_null() && read.seen.insert(value.dump()).second) {
        read.look->categories.push_back(value);
        read.look->shownByValue[ValueText(cell)] = value;
        if (cell.kind == DataColumn::Cell::Kind::kNumber) read.numbers.emplace_back(cell.number, value);
      }
      if (!read.look->categorical && value.is_number()) NoteExtent(*read.look, value.get<double>());
      record[read.look->key] = std::move(value);
    }
    table.rows.push_back(std::move(record));
  }
  for (Read& read : reads) OrderCategories(read.numbers, read.look->categories);
  // Looks of other DATA names on the same column share what the rows showed.
  for (auto& [name, look] : table.looks) {
    for (const Read& read : reads) {
      if (read.look->key != look.key || read.look == &look) continue;
      look.categories = read.look->categories;
      look.shownByValue = read.look->shownByValue;
      look.min = read.look->min;
      look.max = read.look->max;
    }
  }
  return table;
}

std::optional<RenderWarning> FindMissingColumn(const ChartModel& model, const DocumentState& state) {
  if (!state.data) return std::nullopt;
  std::set<std::string> used = UsedNames(model);
  std::string firstSource;
  for (const auto& [name, ref] : model.columns) {
    if (!used.count(name)) continue;
    if (firstSource.empty()) firstSource = ref.source;
    if (ref.source != firstSource)
      return MakeWarning(fmt::format("The chart is not drawn: the renderer draws from one source, and the chart reads "
                                     "\"{}\" and \"{}\".", firstSource, ref.source),
                         ref.line, ref.col);
    const DataSourceTable* source = SourceOf(state, ref.source);
    if (source && source->FindColumn(ref.column)) continue;
    std::string place = ref.line > 0 ? fmt::format(" (line {}, column {} of the GPL)", ref.line, ref.col) : "";
    std::string text =
        source ? fmt::format("The chart is not drawn: the column \"{}\"{} is missing from the source \"{}\".",
                             ref.column, place, ref.source)
               : fmt::format("The chart is not drawn: the source \"{}\" of the column \"{}\"{} has no data.",
                             ref.source, ref.column, place);
    return MakeWarning(text, ref.line, ref.col);
  }
  return std::nullopt;
}
