// A visualization template: its mappings, style sheet and maps converted into
// a chart document for the chart loop.

#include <string>
#include <vector>

#include "data/GGraphDataSet.h"
#include "driver/ChartSource.h"
#include "driver/PreparedDataSets.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/XDocument.h"
#include "host/chart/XViZTemplate.h"
#include "host/engine/FetchFile.h"
#include "model/GGraphVariable.h"
#include "report/ChartMessages.h"

namespace {

// The slot of the weight mapping, which no template declares.
constexpr const char* kWeightSlot = "dupRa6ej";
constexpr const char* kWeightVariable = "$WEIGHT";
constexpr int kTemplateEditor = 2;

bool HasWeightVariable(const GGraphDataSet& dataSet) {
  for (const auto& variable : dataSet.GetVariables())
    if (variable->IsWeight()) return true;
  return false;
}

// The command's mappings, and one weight mapping per weighted data set.
std::vector<VizVariableMapping> WorkingMappings(const ChartSource& source) {
  std::vector<VizVariableMapping> mappings = source.spec.GetVizTemplateMappings();
  if (!source.prepared) return mappings;
  for (GGraphDataSet* dataSet : source.prepared->DataSets()) {
    if (!HasWeightVariable(*dataSet)) continue;
    VizVariableMapping weight;
    weight.slotName = kWeightSlot;
    weight.variableName = kWeightVariable;
    weight.dataSetName = dataSet->GetSourceNameUtf8();
    weight.isWeight = true;
    mappings.push_back(std::move(weight));
  }
  return mappings;
}

VARIABLE_TYPE MappingType(const VizVariableMapping& mapping) {
  if (mapping.setName.empty()) return VARIABLE_SINGLE;
  return mapping.categorySet ? VARIABLE_CATEGORY_SET : VARIABLE_DICHOTOMY_SET;
}

void AddMapping(XViZTemplate& chartTemplate, const VizVariableMapping& mapping) {
  std::vector<std::string> names;
  std::vector<std::string> labels;
  std::vector<std::string> labelSetNames;
  for (const MappingValue& value : mapping.values) {
    names.push_back(value.name);
    labels.push_back(value.label);
    labelSetNames.push_back(value.labelSetName);
  }
  chartTemplate.addVariable(mapping.slotName, mapping.variableName, mapping.categorical, mapping.labelSetName,
                            mapping.dataSetName, mapping.hasFormat ? &mapping.format : nullptr, mapping.variableLabel,
                            MappingType(mapping), mapping.setName, mapping.isWeight, &mapping.countedValue,
                            mapping.useCategoryLabels, names, labels, labelSetNames);
}

void SetTemplate(XViZTemplate& chartTemplate, const GraphSpec& spec) {
  std::string directory;
  MapLocation location = spec.GetVizTemplateLocation(directory);
  chartTemplate.setTemplateName(ChartString(spec.GetVizTemplateName()), location);
  chartTemplate.setTemplateRepoDirectory(directory);
}

void SetStyleSheet(XViZTemplate& chartTemplate, const GraphSpec& spec) {
  std::string directory;
  MapLocation location = spec.GetStyleSheetLocation(directory);
  chartTemplate.setstyleSheetName(ChartString(spec.GetStyleSheetName()), location);
  chartTemplate.setStyleSheetRepoDirectory(directory);
}

void SetMaps(XViZTemplate& chartTemplate, const GraphSpec& spec) {
  std::string directory;
  MapLocation location = spec.GetDataMapLocation(directory);
  chartTemplate.setDataMapName(ChartString(spec.GetDataMapName()), location);
  chartTemplate.setDataMapRepoDirectory(directory);
  location = spec.GetRefMapLocation(directory);
  chartTemplate.setRefMapName(ChartString(spec.GetRefMapName()), location);
  chartTemplate.setRefMapRepoDirectory(directory);
  chartTemplate.setMapKey(spec.GetMapKey());
  chartTemplate.setShowAllFeatures(spec.GetShowAllFeatures());
}

// A map given as a file is read here; the template reads the others itself.
void AddMapsToDocument(XDocument& document, const XViZTemplate& chartTemplate, const GraphSpec& spec) {
  std::string directory;
  if (spec.HasDataMap()) {
    std::string content = spec.GetDataMapLocation(directory) == LOCATION_FILE
                              ? FetchFile::fetch(chartTemplate.getDataMapFileName(), true, true)
                              : chartTemplate.getDataMapContents();
    document.setVIZMap(chartTemplate.getDataMapName().toUTF8(), content);
  }
  if (spec.HasRefMap()) {
    std::string content = spec.GetRefMapLocation(directory) == LOCATION_FILE
                              ? FetchFile::fetch(chartTemplate.getRefMapFileName(), true, true)
                              : chartTemplate.getRefMapContents();
    document.setVIZRefMap(chartTemplate.getRefMapName().toUTF8(), content);
  }
}

}  // namespace

// A template that does not convert gives no chart, and an error that says why.
std::unique_ptr<XDocument> ProduceTemplateChart(const ChartSource& source) {
  const GraphSpec& spec = source.spec;
  XViZTemplate chartTemplate;
  SetTemplate(chartTemplate, spec);
  for (const VizVariableMapping& mapping : WorkingMappings(source)) AddMapping(chartTemplate, mapping);
  SetStyleSheet(chartTemplate, spec);
  if (spec.HasDataMap() || spec.HasRefMap()) SetMaps(chartTemplate, spec);
  std::string documentText;
  std::string styleSheet;
  if (!chartTemplate.convert(documentText, styleSheet) || documentText.empty()) {
    ReportTemplateNotConverted(spec.GetVizTemplateName(), chartTemplate.getConvertError());
    return nullptr;
  }
  auto document = std::make_unique<XDocument>(documentText);
  document->setStyleSheet(spec.GetStyleSheetName(), styleSheet);
  document->setEditor(kTemplateEditor);
  AddMapsToDocument(*document, chartTemplate, spec);
  return document;
}
