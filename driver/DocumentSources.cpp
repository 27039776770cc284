// The sources that become a chart document for the chart loop: inline GPL,
// GPL files and VizML files.

#include <optional>
#include <string>

#include "data/GGraphDataSet.h"
#include "driver/ChartSource.h"
#include "driver/PreparedDataSets.h"
#include "driver/SpecFile.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/XDocument.h"
#include "host/chart/XViZTemplate.h"

namespace {

// A style sheet that cannot be converted leaves the chart without one.
void ApplyStyleSheet(XDocument& document, const GraphSpec& spec) {
  const std::string& name = spec.GetStyleSheetName();
  if (name.empty()) return;
  std::string directory;
  MapLocation location = spec.GetStyleSheetLocation(directory);
  XViZTemplate styleTemplate;
  styleTemplate.setstyleSheetName(ChartString(name), location);
  styleTemplate.setStyleSheetRepoDirectory(directory);
  std::string documentText;
  std::string styleSheet;
  if (styleTemplate.convert(documentText, styleSheet)) document.setStyleSheet(name, styleSheet);
}

std::unique_ptr<XDocument> StyledDocument(std::unique_ptr<XDocument> document, const GraphSpec& spec) {
  ApplyStyleSheet(*document, spec);
  return document;
}

}  // namespace

// The GPL receives the declarations it lacks only when there is no doubt about
// the data set it reads.
std::unique_ptr<XDocument> ProduceInlineChart(const ChartSource& source) {
  if (source.prepared && source.prepared->DataSets().size() == 1)
    source.spec.AddGplDeclarations(source.prepared->DataSets().front());
  return StyledDocument(std::make_unique<XDocument>(source.spec.GetGplText(), true, true), source.spec);
}

std::unique_ptr<XDocument> ProduceGplFileChart(const ChartSource& source) {
  const std::string& file = source.spec.GetGplFile();
  std::optional<std::string> content = FetchSpecFile(file);
  if (!content) return nullptr;
  return StyledDocument(std::make_unique<XDocument>(*content, true, true), source.spec);
}

std::unique_ptr<XDocument> ProduceVizmlFileChart(const ChartSource& source) {
  const std::string& file = source.spec.GetVizmlFile();
  std::optional<std::string> content = FetchSpecFile(file);
  if (!content) return nullptr;
  return StyledDocument(std::make_unique<XDocument>(*content), source.spec);
}
