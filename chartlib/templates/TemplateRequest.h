#pragma once
#include <optional>
#include <string>
#include <vector>

#include "VEXA_Format.h"
#include "XViZTemplate.h"

// A template, style sheet or map as the caller named it.
struct FileReference {
  std::string name;  // UTF-8
  int location = kLocationLocal;
  std::string directory;  // for kLocationFolder
};

struct TemplateMember {
  std::string name;
  std::string label;
  std::string labelSet;
};

// What fills one slot of a template.
struct TemplateMapping {
  std::string slot;
  std::string variable;
  bool categorical = false;
  std::string labelSet;
  std::string dataSet;
  std::optional<VEXA_Format> format;
  std::string label;
  VARIABLE_TYPE type = VARIABLE_SINGLE;
  std::string setName;
  bool isWeight = false;
  std::optional<std::string> countedValue;
  bool useCategoryLabels = false;
  std::vector<TemplateMember> members;
};

struct TemplateRequest {
  FileReference chartTemplate;
  FileReference styleSheet;
  FileReference dataMap;
  FileReference referenceMap;
  std::string mapKey;
  bool showAllFeatures = false;
  std::vector<TemplateMapping> mappings;
  std::string error;
};
