#pragma once
#include <string>
#include <vector>

#include "graphspec/MappingValue.h"
#include "host/engine/VEXA_Format.h"

// One variable mapping of a visualization template: the slot, what fills it,
// and what the chart needs to know about that variable. Texts are UTF-8.
struct VizVariableMapping {
  std::string slotName;
  std::string variableName;
  std::string variableLabel;
  // Empty: the first data set of the command.
  std::string dataSetName;
  // The name under which the variable's value labels are shared.
  std::string labelSetName;
  // The multiple-response set's name when the variable is a set.
  std::string setName;
  // The counted value of a multiple-dichotomy set.
  std::string countedValue;
  VEXA_Format format = 0;
  bool hasFormat = false;
  bool categorical = false;
  // A multiple-category set; false for a dichotomy set.
  bool categorySet = false;
  // The weight mapping added when the chart is made.
  bool isWeight = false;
  bool useCategoryLabels = false;
  // One entry per member variable of a set.
  std::vector<MappingValue> values;
};
