#include "chartlib/render/SentChartDrawing.h"

#include "chartlib/document/DocumentState.h"
#include "chartlib/render/VegaLiteCompiler.h"

namespace {

std::vector<std::string> MessageTexts(const std::vector<RenderWarning>& warnings) {
  std::vector<std::string> texts;
  for (const RenderWarning& warning : warnings) texts.push_back(warning.text);
  return texts;
}

}  // namespace

SentChartDrawing DrawingOfSentChart(const DocumentState& state, bool thumbnail, bool wantSpec) {
  SentChartDrawing drawing;
  if (state.kind != "gpl" && state.kind != "vizml") return drawing;
  if (thumbnail || !wantSpec) {
    drawing.warnings = MessageTexts(CheckDrawable(state));
    return drawing;
  }
  CompiledChart compiled = CompileVegaLite(state);
  drawing.warnings = MessageTexts(compiled.warnings);
  // Texts that are not valid UTF-8 are written as U+FFFD, as everywhere in
  // the output document.
  if (compiled.spec) drawing.vegaLite = compiled.spec->dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  return drawing;
}
