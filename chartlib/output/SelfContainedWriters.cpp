#include "chartlib/document/DocumentState.h"
#include "chartlib/output/Base64.h"
#include "chartlib/output/DocumentWriters.h"
#include "chartlib/output/JsonValues.h"

namespace {

void WriteOptionalJson(JsonWriter& json, const char* key, const std::string& text) {
  json.Key(key);
  if (text.empty())
    json.Null();
  else
    WriteRawJson(json, text);
}

}  // namespace

void WriteJsonChartFields(JsonWriter& json, const DocumentState& state, SendOptions) {
  const JsonChartContent& content = state.jsonChart;
  WriteField(json, "description", state.description);
  WriteField(json, "chartFile", content.chartFile);
  WriteOptionalJson(json, "chart", content.chart);
  WriteOptionalJson(json, "template", content.chartTemplate);
  json.Key("geoJson");
  json.StartArray();
  for (const NamedContent& geoJson : content.geoJson) {
    json.StartObject();
    WriteField(json, "file", geoJson.name);
    WriteOptionalJson(json, "content", geoJson.content);
    json.EndObject();
  }
  json.EndArray();
}

void ListJsonChart(std::ostream& out, const DocumentState& state, SendOptions) {
  out << "JSON chart: " << state.description;
  if (!state.jsonChart.geoJson.empty()) out << " (" << state.jsonChart.geoJson.size() << " GeoJSON files)";
  out << '\n';
}

void WriteImageFields(JsonWriter& json, const DocumentState& state, SendOptions) {
  const ImageContent& image = state.image;
  WriteField(json, "description", state.description);
  WriteField(json, "subtype", image.subtype);
  WriteField(json, "format", image.format);
  WriteField(json, "mediaType", "image/" + image.format);
  json.Key("size");
  json.Uint64(image.bytes.size());
  WriteField(json, "base64", EncodeBase64(image.bytes));
}

void ListImage(std::ostream& out, const DocumentState& state, SendOptions) {
  out << "Image: " << state.description << " (" << state.image.format << ", " << state.image.bytes.size()
      << " bytes)\n";
}
