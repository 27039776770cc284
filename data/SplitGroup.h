#pragma once
#include <memory>
#include <string>
#include <vector>

#include "host/chart/ChartCaseCounts.h"
#include "host/chart/VarDataProcessor.h"

// One split group's chart data table and the texts that describe the group:
// one entry per split variable.
struct SplitGroup {
  std::unique_ptr<VarDataProcessor> data;
  std::vector<std::string> splitNames;
  std::vector<std::string> splitLabels;
  // The group's value of each split variable, as text.
  std::vector<std::string> splitCategories;
  ChartCaseCounts cases;
};
