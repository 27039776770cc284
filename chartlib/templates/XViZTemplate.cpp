#include "XViZTemplate.h"

#include "chartlib/templates/TemplateConversion.h"
#include "chartlib/templates/TemplateFiles.h"
#include "chartlib/templates/TemplateRequest.h"

namespace {

void Name(FileReference& reference, const ChartString& name, int location) {
  reference.name = name.toUTF8();
  reference.location = location;
}

// Reads and converts one named file; false with the reason in error.
template <typename Convert>
bool ConvertFile(const FileReference& reference, const char* suffix, const char* what, std::string& error,
                 Convert convert) {
  std::optional<std::string> content = ReadReferencedFile(reference, suffix);
  if (!content) {
    error = std::string("the ") + what + " '" + reference.name + "' cannot be found or read";
    return false;
  }
  return convert(*content);
}

}  // namespace

XViZTemplate::XViZTemplate() : request_(std::make_unique<TemplateRequest>()) {}

XViZTemplate::~XViZTemplate() = default;

void XViZTemplate::setTemplateName(const ChartString& name, int location) {
  Name(request_->chartTemplate, name, location);
}
void XViZTemplate::setTemplateRepoDirectory(const std::string& directory) {
  request_->chartTemplate.directory = directory;
}
void XViZTemplate::setstyleSheetName(const ChartString& name, int location) {
  Name(request_->styleSheet, name, location);
}
void XViZTemplate::setStyleSheetRepoDirectory(const std::string& directory) {
  request_->styleSheet.directory = directory;
}
void XViZTemplate::setDataMapName(const ChartString& name, int location) { Name(request_->dataMap, name, location); }
void XViZTemplate::setRefMapName(const ChartString& name, int location) {
  Name(request_->referenceMap, name, location);
}
void XViZTemplate::setDataMapRepoDirectory(const std::string& directory) { request_->dataMap.directory = directory; }
void XViZTemplate::setRefMapRepoDirectory(const std::string& directory) {
  request_->referenceMap.directory = directory;
}
void XViZTemplate::setMapKey(const std::string& key) { request_->mapKey = key; }
void XViZTemplate::setShowAllFeatures(bool show) { request_->showAllFeatures = show; }

void XViZTemplate::addVariable(const std::string& slotName, const std::string& variableName, bool categorical,
                               std::string labelSetName, const std::string& dataSetName, const VEXA_Format* format,
                               const std::string& variableLabel, VARIABLE_TYPE type, const std::string& setName,
                               bool isWeight, const std::string* countedValue, bool useCategoryLabels,
                               const std::vector<std::string>& memberNames,
                               const std::vector<std::string>& memberLabels,
                               const std::vector<std::string>& memberLabelSetNames) {
  TemplateMapping mapping;
  mapping.slot = slotName;
  mapping.variable = variableName;
  mapping.categorical = categorical;
  mapping.labelSet = std::move(labelSetName);
  mapping.dataSet = dataSetName;
  if (format) mapping.format = *format;
  mapping.label = variableLabel;
  mapping.type = type;
  mapping.setName = setName;
  mapping.isWeight = isWeight;
  if (countedValue) mapping.countedValue = *countedValue;
  mapping.useCategoryLabels = useCategoryLabels;
  for (std::size_t i = 0; i < memberNames.size(); ++i) {
    mapping.members.push_back(TemplateMember{memberNames[i], i < memberLabels.size() ? memberLabels[i] : "",
                                             i < memberLabelSetNames.size() ? memberLabelSetNames[i] : ""});
  }
  request_->mappings.push_back(std::move(mapping));
}

bool XViZTemplate::convert(std::string& documentText, std::string& styleSheet) {
  documentText.clear();
  styleSheet.clear();
  std::string& error = request_->error;
  error.clear();
  std::string document;
  std::string style;
  if (!request_->styleSheet.name.empty() &&
      !ConvertFile(request_->styleSheet, kStyleSheetSuffix, "style sheet", error,
                   [&](const std::string& content) { return ConvertStyleSheet(content, style, error); }))
    return false;
  if (!request_->chartTemplate.name.empty() &&
      !ConvertFile(request_->chartTemplate, kTemplateSuffix, "template", error, [&](const std::string& content) {
        return ConvertTemplate(content, *request_, document, error);
      }))
    return false;
  documentText = std::move(document);
  styleSheet = std::move(style);
  return true;
}

const std::string& XViZTemplate::getConvertError() const { return request_->error; }

ChartString XViZTemplate::getDataMapName() const { return ChartString(request_->dataMap.name); }
ChartString XViZTemplate::getRefMapName() const { return ChartString(request_->referenceMap.name); }
std::string XViZTemplate::getDataMapFileName() const { return ReferencedFile(request_->dataMap, kMapSuffix); }
std::string XViZTemplate::getRefMapFileName() const { return ReferencedFile(request_->referenceMap, kMapSuffix); }

std::string XViZTemplate::getDataMapContents() const {
  return ReadReferencedFile(request_->dataMap, kMapSuffix).value_or("");
}

std::string XViZTemplate::getRefMapContents() const {
  return ReadReferencedFile(request_->referenceMap, kMapSuffix).value_or("");
}

std::string XViZTemplate::getTemplateFileName() const {
  return ReferencedFile(request_->chartTemplate, kTemplateSuffix);
}

std::string XViZTemplate::getStyleSheetFileName() const {
  return ReferencedFile(request_->styleSheet, kStyleSheetSuffix);
}
