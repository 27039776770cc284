#pragma once
#include <memory>
#include <string>
#include <vector>

#include "AggregationVariable.h"
#include "OBS.h"

class CategoryDimension;

enum class BreakKind { kVariable, kCategorySet, kDichotomySet };

// What a break variable is made of; its dimension holds what the cases bring.
struct AggregationVariable::Rep {
  Rep(BreakKind kind, std::vector<int> columns, const char* name);
  ~Rep();

  BreakKind kind;
  std::vector<int> columns;  // the variable, or the set's members in set order
  std::string name;
  bool excludeMissing = true;
  // Dichotomy sets: the counted value, one number or text cells.
  std::vector<OBS> countedValue;
  bool countedIsNumber = true;
  std::unique_ptr<CategoryDimension> dimension;
};
