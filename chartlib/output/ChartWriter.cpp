#include "VarDataProcessor.h"
#include "XGraph.h"
#include "chartlib/document/DocumentState.h"
#include "chartlib/output/ChartSummaryLines.h"
#include "chartlib/output/DataTableJson.h"
#include "chartlib/output/DocumentWriters.h"
#include "chartlib/output/JsonValues.h"
#include "chartlib/output/VariableJson.h"

namespace {

constexpr std::size_t kListedRows = 5;

void WriteNamedContent(JsonWriter& json, const char* key, const std::optional<NamedContent>& content) {
  json.Key(key);
  if (!content) {
    json.Null();
    return;
  }
  json.StartObject();
  WriteField(json, "name", content->name);
  WriteField(json, "content", content->content);
  json.EndObject();
}

void WriteColors(JsonWriter& json, const std::vector<XDocument::ColorSpec>& colors) {
  json.Key("colors");
  json.StartArray();
  for (const XDocument::ColorSpec& color : colors) {
    json.StartObject();
    WriteField(json, "position", color.position);
    WriteField(json, "red", color.red);
    WriteField(json, "green", color.green);
    WriteField(json, "blue", color.blue);
    json.EndObject();
  }
  json.EndArray();
}

void WritePair(JsonWriter& json, const char* key, const char* first, int firstValue, const char* second,
               int secondValue) {
  json.Key(key);
  json.StartObject();
  WriteField(json, first, firstValue);
  WriteField(json, second, secondValue);
  json.EndObject();
}

void WriteLook(JsonWriter& json, const DocumentState& state) {
  WriteField(json, "name", state.name);
  WriteField(json, "comment", state.comment);
  WriteField(json, "editor", state.editor);
  WriteField(json, "editable", state.editLock == 0);
  WriteField(json, "doNotModify", state.doNotModify);
  WriteNamedContent(json, "styleSheet", state.styleSheet);
  WriteNamedContent(json, "dataMap", state.dataMap);
  WriteNamedContent(json, "referenceMap", state.referenceMap);
  WriteTextList(json, "templates", state.templates);
  WriteTextList(json, "immediateTemplates", state.immediateTemplates);
  WriteTextList(json, "csvFiles", state.csvFiles);
  WriteColors(json, state.colors);
  WritePair(json, "frames", "outer", state.outerFrame, "inner", state.innerFrame);
  WritePair(json, "gridlines", "x", state.xAxisGridlines, "y", state.yAxisGridlines);
}

void ListHeading(std::ostream& out, const char* what, const DocumentState& state, SendOptions send) {
  out << what << ": " << state.description;
  if (send.later) out << " (further split group)";
  out << '\n';
}

}  // namespace

void WriteDataFields(JsonWriter& json, const DocumentState& state, SendOptions send) {
  json.Key("dataHandles");
  json.StartArray();
  for (const auto& [source, dataSet] : state.dataHandles) {
    json.StartObject();
    WriteField(json, "source", source);
    WriteField(json, "dataSet", dataSet);
    json.EndObject();
  }
  json.EndArray();
  json.Key("data");
  if (state.data)
    WriteDataTable(json, *state.data, !send.thumbnail);
  else
    json.Null();
}

void WriteChartFields(JsonWriter& json, const DocumentState& state, SendOptions send) {
  WriteField(json, "kind", state.kind);
  WriteField(json, "description", state.description);
  WriteField(json, "subtitle", state.graph->getSubTitle().toUTF8());
  WriteField(json, "later", send.later);
  if (send.thumbnail) WriteField(json, "thumbnail", true);
  WriteField(json, state.kind == "gpl" ? "gpl" : "document", state.text);
  WriteLook(json, state);
  WriteDataFields(json, state, send);
  WriteVariables(json, *state.graph);
}

void ListChart(std::ostream& out, const DocumentState& state, SendOptions send) {
  ListHeading(out, "Chart", state, send);
  if (state.graph->doesSubTitleExist()) out << "  Subtitle: " << state.graph->getSubTitle().toUTF8() << '\n';
  ListChartSummary(out, state);
  if (state.data) WriteDataPreview(out, *state.data, kListedRows, state.graph.get());
  WriteVariableSummary(out, *state.graph);
}

void WriteGraphServiceFields(JsonWriter& json, const DocumentState& state, SendOptions send) {
  WriteField(json, "description", state.description);
  WriteField(json, "later", send.later);
  WriteField(json, "options", state.service.options);
  WriteField(json, "source", state.service.source);
  json.Key("variables");
  json.StartArray();
  for (const auto& [name, index] : state.service.variables) {
    json.StartObject();
    WriteField(json, "name", name);
    WriteField(json, "index", index);
    json.EndObject();
  }
  json.EndArray();
  WriteDataFields(json, state, send);
}

void ListGraphService(std::ostream& out, const DocumentState& state, SendOptions send) {
  ListHeading(out, "Graph service document", state, send);
  out << "  Source " << state.service.source << ", " << state.service.variables.size() << " variables\n";
  if (state.data) WriteDataPreview(out, *state.data, kListedRows);
}
