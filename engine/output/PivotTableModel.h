#pragma once
#include <string>
#include <deque>
#include <vector>

#include "engine/output/OutputValue.h"

struct PivotCategoryModel {
  std::string label;
  std::vector<OutputValue> cells;
};

struct PivotDimensionModel {
  std::string label;
  int sortValue = 0;
};

// The content of one pivot table. Categories are listed in the order they
// were created; each is one row of the table.
struct PivotTableModel {
  std::string title;
  std::string name;
  bool titleHidden = false;
  int minColumnWidth = 0;
  int maxColumnWidth = 0;
  std::vector<PivotDimensionModel> dimensions;
  std::deque<PivotCategoryModel> categories;  // pointer-stable while rows are added
};
