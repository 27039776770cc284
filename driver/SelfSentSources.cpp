// The sources that send their own output: JSON charts and templates, images
// and model files.

#include <optional>
#include <string>

#include "driver/ChartSource.h"
#include "driver/ProcedureRun.h"
#include "driver/SpecFile.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/MessageHandler.h"
#include "host/chart/XImage.h"
#include "host/chart/XUtility.h"
#include "host/chart/xLumo.h"
#include "host/engine/FacSTDictionary.h"
#include "host/engine/FetchFile.h"
#include "report/ChartMessages.h"

namespace {

constexpr int kModelMessageType = 56;

// Content numbers of a model message.
constexpr int kDescriptionContent = 0;
constexpr int kSingleModelContent = 1;
constexpr int kFirstOfTwoContent = 3;
constexpr int kSecondOfTwoContent = 4;

}  // namespace

ChartString SelfSentDescription(const ChartSource& source) {
  const std::string& label = source.spec.GetOutputLabel();
  return XUtility::ChartStringFromLocalCodePage(label.empty() ? source.run.dictionary.LookUp("Graph") : label);
}

std::unique_ptr<XDocument> SendJsonChart(const ChartSource& source) {
  xLumo chart;
  if (!chart.setViZJSON(source.spec.GetVizJsonFile())) {
    ReportFileNoAccess(source.spec.GetVizJsonFile());
    return nullptr;
  }
  chart.SetDescription(SelfSentDescription(source));
  chart.sendChart();
  return nullptr;
}

// A GeoJSON file that cannot be used is reported and left out; the chart is
// sent with the others.
std::unique_ptr<XDocument> SendJsonTemplateChart(const ChartSource& source) {
  const std::string& file = source.spec.GetVizJsonTemplateFile();
  std::optional<std::string> content = FetchSpecFile(file);
  if (!content) return nullptr;
  xLumo chart;
  chart.setViZJSONTemplate(*content);
  for (int i = 0; i < source.spec.GetGeoJsonFileCount(); ++i) {
    std::string geoJson = source.spec.GetGeoJsonFile(i);
    if (!chart.addGeoJSON(geoJson)) ReportFileNoAccess(geoJson);
  }
  chart.SetDescription(SelfSentDescription(source));
  chart.sendChart();
  return nullptr;
}

std::unique_ptr<XDocument> SendImage(const ChartSource& source) {
  const std::string& file = source.spec.GetImageFile();
  std::optional<std::string> content = FetchSpecFile(file);
  if (!content) return nullptr;
  XImage image;
  image.setImageInline(source.spec.GetImageFormat(), *content);
  image.SetDescription(SelfSentDescription(source));
  image.sendImage();
  return nullptr;
}

// One model file, or two separated by the first comma; when either cannot be
// read, the message names the whole text.
std::unique_ptr<XDocument> SendModelFiles(const ChartSource& source) {
  const std::string& files = source.spec.GetPmmlFile();
  std::size_t comma = files.find(',');
  bool two = comma != std::string::npos;
  std::string first = FetchFile::fetch(two ? files.substr(0, comma) : files, true, true);
  std::string second = two ? FetchFile::fetch(files.substr(comma + 1), true, true) : std::string();
  if (first.empty() || (two && second.empty())) {
    ReportFileNoAccess(files);
    return nullptr;
  }
  MessageHandler message;
  message.setMessageType(kModelMessageType);
  message.addMessageContents(SelfSentDescription(source).toUTF8(), kDescriptionContent, false);
  if (two) {
    message.addMessageContents(first, kFirstOfTwoContent, true);
    message.addMessageContents(second, kSecondOfTwoContent, true);
  } else {
    message.addMessageContents(first, kSingleModelContent, true);
  }
  message.sendMessage();
  return nullptr;
}
