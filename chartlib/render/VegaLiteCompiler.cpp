#include "chartlib/render/VegaLiteCompiler.h"

#include <map>
#include <strings.h>

#include "OBS.h"
#include "VarDataProcessor.h"
#include "chartlib/data/DataTableStore.h"
#include "chartlib/document/DocumentState.h"
#include "chartlib/gpl/GplParser.h"

namespace {

struct ElementMark {
  const char* element;
  const char* mark;
};

constexpr ElementMark kMarks[] = {
    {.element = "point", .mark = "point"},
    {.element = "interval", .mark = "bar"},
};

const char* MarkOf(const std::string& element) {
  for (const ElementMark& row : kMarks)
    if (strcasecmp(row.element, element.c_str()) == 0) return row.mark;
  return nullptr;
}

const GplNode* Argument(const GplNode& call, const char* name) {
  for (const GplNode& argument : call.operands)
    if (argument.kind == GplNode::Kind::kCall && strcasecmp(argument.text.c_str(), name) == 0) return &argument;
  return nullptr;
}

RenderWarning Warn(std::string text, const GplNode& at) {
  return {.text = text + " (line " + std::to_string(at.line) + ", column " + std::to_string(at.column) + ")",
          .line = at.line,
          .column = at.column};
}

struct Chart {
  std::optional<GplProgram> program;
  std::vector<RenderWarning> warnings;
  const GplNode* element = nullptr;
  std::map<std::string, std::pair<std::string, std::string>> columns;  // DATA name -> source, column
  std::string x, y;
};

Chart Read(const DocumentState& state) {
  Chart chart;
  if (state.kind != "gpl") {
    chart.warnings.push_back({.text = "the chart's form is not drawn"});
    return chart;
  }
  GplParser parser(state.text);
  chart.program = parser.Parse();
  if (!chart.program) {
    chart.warnings.push_back({.text = "the GPL does not parse"});
    return chart;
  }
  for (const GplStatement& statement : chart.program->statements) {
    if (statement.label != "ELEMENT" || chart.element) continue;
    chart.element = &statement.value;
    if (!MarkOf(statement.value.text)) {
      chart.warnings.push_back(Warn("the element " + statement.value.text + " is not drawn", statement.value));
      return chart;
    }
    const GplNode* position = Argument(statement.value, "position");
    if (!position || position->operands.size() != 1 || position->operands[0].kind != GplNode::Kind::kChain ||
        position->operands[0].operands.size() != 2) {
      chart.warnings.push_back(Warn("this position is not drawn", statement.value));
      return chart;
    }
    chart.x = position->operands[0].operands[0].text;
    chart.y = position->operands[0].operands[1].text;
  }
  if (!chart.element) chart.warnings.push_back({.text = "the GPL has no ELEMENT statement"});
  return chart;
}

nlohmann::json Cell(const DataColumn::Cell& cell) {
  if (cell.kind == DataColumn::Cell::Kind::kText) return *cell.text;
  if (cell.kind == DataColumn::Cell::Kind::kNumber && cell.number != kSysMiss) return cell.number;
  return nullptr;
}

nlohmann::json Values(const DocumentState& state) {
  nlohmann::json rows = nlohmann::json::array();
  if (!state.data) return rows;
  const DataTableStore& store = state.data->Store();
  if (store.SourceCount() == 0) return rows;
  const DataSourceTable& source = store.SourceAt(0);
  for (std::size_t row = 0; row < source.RowCount(); ++row) {
    nlohmann::json record = nlohmann::json::object();
    for (std::size_t i = 0; i < source.ColumnCount(); ++i)
      record[source.ColumnAt(i).Name()] = Cell(source.ColumnAt(i).At(row));
    rows.push_back(std::move(record));
  }
  return rows;
}

}  // namespace

std::vector<RenderWarning> CheckDrawable(const DocumentState& state) { return Read(state).warnings; }

CompiledChart CompileVegaLite(const DocumentState& state) {
  Chart chart = Read(state);
  CompiledChart compiled;
  compiled.warnings = chart.warnings;
  if (!chart.warnings.empty()) return compiled;
  nlohmann::json spec = {
      {"$schema", "https://vega.github.io/schema/vega-lite/v6.json"},
      {"title", state.description},
      {"data", {{"values", Values(state)}}},
      {"mark", MarkOf(chart.element->text)},
      {"encoding",
       {{"x", {{"field", chart.x}, {"type", "nominal"}}}, {"y", {{"field", chart.y}, {"type", "quantitative"}}}}},
  };
  compiled.spec = std::move(spec);
  return compiled;
}
