#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ChartString.h"
#include "VEXA_Format.h"

// What fills a template slot: a variable, or a multiple-response set of
// dichotomies or of categories.
enum VARIABLE_TYPE { VARIABLE_SINGLE = 0, VARIABLE_DICHOTOMY_SET = 1, VARIABLE_CATEGORY_SET = 2 };

// Where a template, style sheet or map is found: in the library's own folder
// (LOCAL), in a folder given with the Repo setters, or in a file named by the
// name itself.
enum TemplateLocation { kLocationLocal = 0, kLocationFolder = 1, kLocationFile = 2 };

struct TemplateRequest;

// A visualization template and its style sheet, converted into a chart
// document (the XML chart form) and a style sheet. Template files are
// "<name>.template.xml", style sheets "<name>.style.xml" and maps
// "<name>.map.json" in their folder; see docs/chart-xml.md. Names are UTF-8.
class XViZTemplate {
 public:
  XViZTemplate();
  ~XViZTemplate();
  XViZTemplate(const XViZTemplate&) = delete;
  XViZTemplate& operator=(const XViZTemplate&) = delete;

  void setTemplateName(const ChartString& name, int location);
  void setTemplateRepoDirectory(const std::string& directory);
  void setstyleSheetName(const ChartString& name, int location);
  void setStyleSheetRepoDirectory(const std::string& directory);
  void setDataMapName(const ChartString& name, int location);
  void setRefMapName(const ChartString& name, int location);
  void setDataMapRepoDirectory(const std::string& directory);
  void setRefMapRepoDirectory(const std::string& directory);
  void setMapKey(const std::string& key);
  void setShowAllFeatures(bool show);

  // Fills the template slot `slotName`. format and countedValue may be null;
  // the three lists describe the members of a set, one entry each.
  void addVariable(const std::string& slotName, const std::string& variableName, bool categorical,
                   std::string labelSetName, const std::string& dataSetName, const VEXA_Format* format,
                   const std::string& variableLabel, VARIABLE_TYPE type, const std::string& setName,
                   bool isWeight, const std::string* countedValue, bool useCategoryLabels,
                   const std::vector<std::string>& memberNames, const std::vector<std::string>& memberLabels,
                   const std::vector<std::string>& memberLabelSetNames);

  // Converts the template (when a name was set) and the style sheet (when a
  // name was set). True when both converted: documentText holds the chart
  // document (empty without a template), styleSheet the style sheet (empty
  // without one). False when either cannot be found, is not well-formed, or a
  // required slot is left empty or an unknown slot filled.
  bool convert(std::string& documentText, std::string& styleSheet);
  // Why the last convert failed; empty after a success.
  const std::string& getConvertError() const;

  ChartString getDataMapName() const;
  ChartString getRefMapName() const;
  // The map's file: the name itself for FILE, else the file in its folder.
  std::string getDataMapFileName() const;
  std::string getRefMapFileName() const;
  // The content of that file; empty when it cannot be read.
  std::string getDataMapContents() const;
  std::string getRefMapContents() const;

 private:
  std::unique_ptr<TemplateRequest> request_;
};
