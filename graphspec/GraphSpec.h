#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "graphspec/VizVariableMapping.h"

// Where a chart's definition comes from.
enum SourceKind : std::int32_t {
  INLINE = 0,
  GPLFILE = 1,
  VIZMLFILE = 2,
  VIZJSONFILE = 3,
  // A JSON template, with the GeoJSON files it draws on.
  VIZJSONTEMPLATE = 4,
  VIZTEMPLATE = 5,
  IMAGEFILE = 6,
  PMMLFILE = 7,
  // No chart: bins of every variable.
  BINS = 8,
};

// Where a template, style sheet or map is found; handed unchanged to the chart
// library's template setters.
enum MapLocation : std::int32_t {
  // The chart library's own folder.
  LOCATION_LOCAL = 0,
  // The directory given with the location.
  LOCATION_DIRECTORY = 1,
  // The name itself names a file.
  LOCATION_FILE = 2,
};

class GGraphDataSet;

// One GRAPHSPEC subcommand (or graph-service block) as a record. Names handed
// to the chart library are kept in UTF-8; the names as the user wrote them (in
// the local code page) are kept for messages.
class GraphSpec {
 public:
  GraphSpec();
  ~GraphSpec();
  GraphSpec(const GraphSpec&) = delete;
  GraphSpec& operator=(const GraphSpec&) = delete;

  void SetSourceKind(SourceKind kind);
  SourceKind GetSourceKind() const;
  void SetGplText(const std::string& text);
  const std::string& GetGplText() const;
  void SetServiceText(const std::string& text);
  const std::string& GetServiceText() const;
  void SetOutputLabel(const std::string& label);
  const std::string& GetOutputLabel() const;

  void SetEditable(bool editable);
  bool GetEditable() const;
  void SetDefaultTemplate(bool useDefault);
  bool GetDefaultTemplate() const;
  void SetShowAllFeatures(bool show);
  bool GetShowAllFeatures() const;

  void AddTemplateFile(const std::string& file);
  const std::vector<std::string>& GetTemplateFiles() const;
  void AddInlineTemplate(const std::string& text);
  const std::vector<std::string>& GetInlineTemplates() const;

  void SetGplFile(const std::string& file);
  const std::string& GetGplFile() const;
  void SetVizmlFile(const std::string& file);
  const std::string& GetVizmlFile() const;
  void SetVizJsonFile(const std::string& file);
  const std::string& GetVizJsonFile() const;
  void SetVizJsonTemplateFile(const std::string& file);
  const std::string& GetVizJsonTemplateFile() const;
  void SetImageFile(const std::string& file);
  const std::string& GetImageFile() const;
  // One model file, or two separated by a comma.
  void SetPmmlFile(const std::string& files);
  const std::string& GetPmmlFile() const;

  void AddGeoJsonFile(const std::string& file);
  int GetGeoJsonFileCount() const;
  // The empty text for an index outside the list.
  std::string GetGeoJsonFile(int index) const;

  // The name is read in the local code page and kept in UTF-8.
  void SetVizTemplateName(const std::string& name);
  const std::string& GetVizTemplateName() const;
  void SetVizTemplateLocation(MapLocation location, const std::string& directory);
  MapLocation GetVizTemplateLocation(std::string& directory) const;
  // Replaces the whole list.
  void SetVizTemplateMappings(const std::vector<VizVariableMapping>& mappings);
  const std::vector<VizVariableMapping>& GetVizTemplateMappings() const;
  // The mappings are completed once the command's data sets are known.
  std::vector<VizVariableMapping>& GetVizTemplateMappings();

  void SetStyleSheet(const std::string& name);
  void SetStyleSheetLocation(MapLocation location, const std::string& directory);
  const std::string& GetStyleSheetName() const;
  const std::string& GetStyleSheetNameAsWritten() const;
  bool HasStyleSheet() const;
  MapLocation GetStyleSheetLocation(std::string& directory) const;

  // Map names as written; GetDataMapName and GetRefMapName give them only
  // after ResolveDataMap and ResolveRefMap.
  void SetDataMapName(const std::string& name);
  void SetRefMapName(const std::string& name);
  void SetDataMapLocation(MapLocation location, const std::string& directory);
  void SetRefMapLocation(MapLocation location, const std::string& directory);
  MapLocation GetDataMapLocation(std::string& directory) const;
  MapLocation GetRefMapLocation(std::string& directory) const;
  bool HasDataMap() const;
  bool HasRefMap() const;
  const std::string& GetDataMapName() const;
  const std::string& GetRefMapName() const;
  const std::string& GetDataMapNameAsWritten() const;
  const std::string& GetRefMapNameAsWritten() const;
  void SetMapKey(std::string key);
  const std::string& GetMapKey() const;

  void SetBinCount(std::int32_t count);
  std::int32_t GetBinCount() const;
  // The content subtype of an image source.
  void SetImageFormat(std::int32_t format);
  std::int32_t GetImageFormat() const;

  // Turn the names as written into the UTF-8 names the chart library reads,
  // expanding those whose location is FILE. False when the result is empty.
  bool ResolveDataMap();
  bool ResolveRefMap();
  bool ResolveStyleSheet();

  // Appends to the inline GPL the SOURCE and DATA declarations it lacks for
  // the data set (null: nothing to do). A step of chart production, defined
  // with the driver (driver/GplDeclarations.cpp).
  void AddGplDeclarations(GGraphDataSet* dataSet);

 private:
  struct Rep;
  Rep* rep_;
};
