#include "xLumo.h"

#include "FetchFile.h"
#include "chartlib/document/DocumentState.h"
#include "chartlib/document/JsonText.h"
#include "chartlib/document/SendOrWarn.h"

namespace {

std::optional<std::string> ReadJsonFile(const std::string& file) {
  std::string content = FetchFile::fetch(file, true, true);
  if (content.empty()) return std::nullopt;
  return ValidJson(std::move(content));
}

}  // namespace

xLumo::xLumo() : XDocument(Kind{"jsonChart"}) {}

bool xLumo::setViZJSON(const std::string& file) {
  std::optional<std::string> chart = ReadJsonFile(file);
  if (!chart) return false;
  MutableState().jsonChart.chartFile = file;
  MutableState().jsonChart.chart = std::move(*chart);
  MutableState().parseError.clear();
  return true;
}

bool xLumo::setViZJSONTemplate(const std::string& text) {
  std::optional<std::string> chartTemplate = ValidJson(text);
  if (!chartTemplate) return false;
  MutableState().jsonChart.chartTemplate = std::move(*chartTemplate);
  MutableState().parseError.clear();
  return true;
}

bool xLumo::addGeoJSON(const std::string& file) {
  std::optional<std::string> geoJson = ReadJsonFile(file);
  if (!geoJson) return false;
  MutableState().jsonChart.geoJson.push_back(NamedContent{file, std::move(*geoJson)});
  return true;
}

bool xLumo::sendChart() { return Send(); }

bool xLumo::SendChart(bool show, bool later, bool thumbnail) {
  return SendOrWarn(*this, show, later, thumbnail,
                    "The JSON chart was not shown: it holds neither a valid chart nor a valid template.");
}
