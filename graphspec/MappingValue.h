#pragma once
#include <string>

// One member variable of a multiple-response set mapped to a template slot
// (all texts UTF-8).
struct MappingValue {
  std::string name;
  std::string label;
  std::string labelSetName;
};
