#include "chartlib/render/VegaLiteCompiler.h"

#include "chartlib/document/DocumentState.h"
#include "chartlib/gpl/GplParser.h"
#include "chartlib/render/GplModelReader.h"
#include "chartlib/render/InlineTable.h"
#include "chartlib/render/VegaLiteSpecBuilder.h"
#include "chartlib/render/XmlModelReader.h"

namespace {

bool IsChart(const DocumentState& state) { return state.kind == "gpl" || state.kind == "vizml"; }

ReadChart ReadModel(const DocumentState& state) {
  if (state.kind == "vizml") return ReadXmlModel(state.text);
  GplParser parser(state.text);
  std::optional<GplProgram> program = parser.Parse();
  if (!program) {
    ReadChart failed;
    failed.fault = MakeWarning("The chart is not drawn: " + parser.Error()->Text() + ".");
    return failed;
  }
  return ReadGplModel(*program);
}

// The model when the chart is drawn, else the one reason it is not.
ReadChart CheckedModel(const DocumentState& state) {
  ReadChart chart = ReadModel(state);
  if (!chart.fault) chart.fault = FindMissingColumn(chart.model, state);
  return chart;
}

}  // namespace

std::vector<RenderWarning> CheckDrawable(const DocumentState& state) {
  if (!IsChart(state)) return {};
  ReadChart chart = CheckedModel(state);
  if (chart.fault) return {*chart.fault};
  return {};
}

CompiledChart CompileVegaLite(const DocumentState& state) {
  CompiledChart compiled;
  if (!IsChart(state)) return compiled;
  ReadChart chart = CheckedModel(state);
  if (chart.fault) {
    compiled.warnings.push_back(*chart.fault);
    return compiled;
  }
  compiled.spec = BuildVegaLiteSpec(chart.model, state);
  return compiled;
}
