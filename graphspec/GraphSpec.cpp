#include "graphspec/GraphSpec.h"

#include <vector>

#include "host/chart/XImage.h"
#include "host/engine/FetchFile.h"
#include "report/Utf8FromLocalCodePage.h"

namespace {

// Room for the engine's expansion of a file name.
constexpr int kMaxFileSpecification = 4096;

// The engine's expansion of a file name; empty when it rejects it.
std::string ResolveFileSpecification(const std::string& name) {
  std::vector<char> expanded(kMaxFileSpecification, '\0');
  if (!ValidateFileSpecificationEx(name.data(), static_cast<int>(name.size()), 0, expanded.data(),
                                   kMaxFileSpecification))
    return {};
  return std::string(expanded.data());
}

// The UTF-8 name the chart library reads for a name as written.
std::string ResolvedName(const std::string& asWritten, MapLocation location) {
  return Utf8FromLocalCodePage(location == LOCATION_FILE ? ResolveFileSpecification(asWritten) : asWritten);
}

}  // namespace

struct GraphSpec::Rep {
  std::vector<std::string> templateFiles;
  std::vector<std::string> inlineTemplates;
  bool editable = true;
  std::int32_t imageFormat = kImagePng;
  SourceKind sourceKind = INLINE;
  std::string gplText;
  std::string serviceText;
  bool defaultTemplate = true;
  std::string outputLabel;
  std::string vizmlFile;
  std::string vizJsonFile;
  std::string vizJsonTemplateFile;
  std::vector<std::string> geoJsonFiles;
  std::string gplFile;
  std::string vizTemplateName;
  std::vector<VizVariableMapping> vizTemplateMappings;
  MapLocation vizTemplateLocation = LOCATION_LOCAL;
  std::string vizTemplateDirectory;
  std::string styleSheetName;
  std::string styleSheetNameAsWritten;
  MapLocation styleSheetLocation = LOCATION_LOCAL;
  std::string styleSheetDirectory;
  std::string dataMapName;
  std::string dataMapNameAsWritten;
  MapLocation dataMapLocation = LOCATION_FILE;
  std::string dataMapDirectory;
  std::string refMapName;
  std::string refMapNameAsWritten;
  MapLocation refMapLocation = LOCATION_FILE;
  std::string refMapDirectory;
  std::string mapKey;
  bool showAllFeatures = false;
  std::int32_t binCount = 100;
  std::string imageFile;
  std::string pmmlFile;
};

GraphSpec::GraphSpec() : rep_(new Rep) {}
GraphSpec::~GraphSpec() { delete rep_; }

void GraphSpec::SetSourceKind(SourceKind kind) { rep_->sourceKind = kind; }
SourceKind GraphSpec::GetSourceKind() const { return rep_->sourceKind; }
void GraphSpec::SetGplText(const std::string& text) { rep_->gplText = text; }
const std::string& GraphSpec::GetGplText() const { return rep_->gplText; }
void GraphSpec::SetServiceText(const std::string& text) { rep_->serviceText = text; }
const std::string& GraphSpec::GetServiceText() const { return rep_->serviceText; }
void GraphSpec::SetOutputLabel(const std::string& label) { rep_->outputLabel = label; }
const std::string& GraphSpec::GetOutputLabel() const { return rep_->outputLabel; }

void GraphSpec::SetEditable(bool editable) { rep_->editable = editable; }
bool GraphSpec::GetEditable() const { return rep_->editable; }
void GraphSpec::SetDefaultTemplate(bool useDefault) { rep_->defaultTemplate = useDefault; }
bool GraphSpec::GetDefaultTemplate() const { return rep_->defaultTemplate; }
void GraphSpec::SetShowAllFeatures(bool show) { rep_->showAllFeatures = show; }
bool GraphSpec::GetShowAllFeatures() const { return rep_->showAllFeatures; }

void GraphSpec::AddTemplateFile(const std::string& file) { rep_->templateFiles.push_back(file); }
const std::vector<std::string>& GraphSpec::GetTemplateFiles() const { return rep_->templateFiles; }
void GraphSpec::AddInlineTemplate(const std::string& text) { rep_->inlineTemplates.push_back(text); }
const std::vector<std::string>& GraphSpec::GetInlineTemplates() const { return rep_->inlineTemplates; }

void GraphSpec::SetGplFile(const std::string& file) { rep_->gplFile = file; }
const std::string& GraphSpec::GetGplFile() const { return rep_->gplFile; }
void GraphSpec::SetVizmlFile(const std::string& file) { rep_->vizmlFile = file; }
const std::string& GraphSpec::GetVizmlFile() const { return rep_->vizmlFile; }
void GraphSpec::SetVizJsonFile(const std::string& file) { rep_->vizJsonFile = file; }
const std::string& GraphSpec::GetVizJsonFile() const { return rep_->vizJsonFile; }
void GraphSpec::SetVizJsonTemplateFile(const std::string& file) { rep_->vizJsonTemplateFile = file; }
const std::string& GraphSpec::GetVizJsonTemplateFile() const { return rep_->vizJsonTemplateFile; }
void GraphSpec::SetImageFile(const std::string& file) { rep_->imageFile = file; }
const std::string& GraphSpec::GetImageFile() const { return rep_->imageFile; }
void GraphSpec::SetPmmlFile(const std::string& files) { rep_->pmmlFile = files; }
const std::string& GraphSpec::GetPmmlFile() const { return rep_->pmmlFile; }

void GraphSpec::AddGeoJsonFile(const std::string& file) { rep_->geoJsonFiles.push_back(file); }
int GraphSpec::GetGeoJsonFileCount() const { return static_cast<int>(rep_->geoJsonFiles.size()); }
std::string GraphSpec::GetGeoJsonFile(int index) const {
  if (index < 0 || index >= GetGeoJsonFileCount()) return {};
  return rep_->geoJsonFiles[static_cast<std::size_t>(index)];
}

void GraphSpec::SetVizTemplateName(const std::string& name) { rep_->vizTemplateName = Utf8FromLocalCodePage(name); }
const std::string& GraphSpec::GetVizTemplateName() const { return rep_->vizTemplateName; }
void GraphSpec::SetVizTemplateLocation(MapLocation location, const std::string& directory) {
  rep_->vizTemplateLocation = location;
  rep_->vizTemplateDirectory = Utf8FromLocalCodePage(directory);
}
MapLocation GraphSpec::GetVizTemplateLocation(std::string& directory) const {
  directory = rep_->vizTemplateDirectory;
  return rep_->vizTemplateLocation;
}
void GraphSpec::SetVizTemplateMappings(const std::vector<VizVariableMapping>& mappings) {
  rep_->vizTemplateMappings = mappings;
}
const std::vector<VizVariableMapping>& GraphSpec::GetVizTemplateMappings() const { return rep_->vizTemplateMappings; }
std::vector<VizVariableMapping>& GraphSpec::GetVizTemplateMappings() { return rep_->vizTemplateMappings; }

void GraphSpec::SetStyleSheet(const std::string& name) {
  rep_->styleSheetNameAsWritten = name;
  rep_->styleSheetName = Utf8FromLocalCodePage(name);
}
void GraphSpec::SetStyleSheetLocation(MapLocation location, const std::string& directory) {
  rep_->styleSheetLocation = location;
  rep_->styleSheetDirectory = Utf8FromLocalCodePage(directory);
}
const std::string& GraphSpec::GetStyleSheetName() const { return rep_->styleSheetName; }
const std::string& GraphSpec::GetStyleSheetNameAsWritten() const { return rep_->styleSheetNameAsWritten; }
bool GraphSpec::HasStyleSheet() const { return !rep_->styleSheetName.empty(); }
MapLocation GraphSpec::GetStyleSheetLocation(std::string& directory) const {
  directory = rep_->styleSheetDirectory;
  return rep_->styleSheetLocation;
}

void GraphSpec::SetDataMapName(const std::string& name) { rep_->dataMapNameAsWritten = name; }
void GraphSpec::SetRefMapName(const std::string& name) { rep_->refMapNameAsWritten = name; }
void GraphSpec::SetDataMapLocation(MapLocation location, const std::string& directory) {
  rep_->dataMapLocation = location;
  rep_->dataMapDirectory = Utf8FromLocalCodePage(directory);
}
void GraphSpec::SetRefMapLocation(MapLocation location, const std::string& directory) {
  rep_->refMapLocation = location;
  rep_->refMapDirectory = Utf8FromLocalCodePage(directory);
}
MapLocation GraphSpec::GetDataMapLocation(std::string& directory) const {
  directory = rep_->dataMapDirectory;
  return rep_->dataMapLocation;
}
MapLocation GraphSpec::GetRefMapLocation(std::string& directory) const {
  directory = rep_->refMapDirectory;
  return rep_->refMapLocation;
}
bool GraphSpec::HasDataMap() const { return !rep_->dataMapNameAsWritten.empty(); }
bool GraphSpec::HasRefMap() const { return !rep_->refMapNameAsWritten.empty(); }
const std::string& GraphSpec::GetDataMapName() const { return rep_->dataMapName; }
const std::string& GraphSpec::GetRefMapName() const { return rep_->refMapName; }
const std::string& GraphSpec::GetDataMapNameAsWritten() const { return rep_->dataMapNameAsWritten; }
const std::string& GraphSpec::GetRefMapNameAsWritten() const { return rep_->refMapNameAsWritten; }
void GraphSpec::SetMapKey(std::string key) { rep_->mapKey = std::move(key); }
const std::string& GraphSpec::GetMapKey() const { return rep_->mapKey; }

void GraphSpec::SetBinCount(std::int32_t count) { rep_->binCount = count; }
std::int32_t GraphSpec::GetBinCount() const { return rep_->binCount; }
void GraphSpec::SetImageFormat(std::int32_t format) { rep_->imageFormat = format; }
std::int32_t GraphSpec::GetImageFormat() const { return rep_->imageFormat; }

bool GraphSpec::ResolveDataMap() {
  if (!rep_->dataMapNameAsWritten.empty())
    rep_->dataMapName = ResolvedName(rep_->dataMapNameAsWritten, rep_->dataMapLocation);
  return !rep_->dataMapName.empty();
}

bool GraphSpec::ResolveRefMap() {
  if (!rep_->refMapNameAsWritten.empty())
    rep_->refMapName = ResolvedName(rep_->refMapNameAsWritten, rep_->refMapLocation);
  return !rep_->refMapName.empty();
}

bool GraphSpec::ResolveStyleSheet() {
  if (!rep_->styleSheetNameAsWritten.empty())
    rep_->styleSheetName = ResolvedName(rep_->styleSheetNameAsWritten, rep_->styleSheetLocation);
  return !rep_->styleSheetName.empty();
}
