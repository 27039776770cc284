#pragma once
#include <string>

#include "host/engine/VEXA_ValueLabelMap.h"
#include "host/engine/VEXA_Variable.h"
#include "report/DictionaryText.h"
#include "report/Utf8FromLocalCodePage.h"

// What a template mapping tells the chart about an engine variable.

inline bool HasValueLabels(const VEXA_Variable& variable) {
  const VEXA_ValueLabelMap* labels = variable.GetValueLabels();
  return labels != nullptr && labels->Size() != 0;
}

// The variable's label in UTF-8; empty when it has none.
inline std::string VariableLabelUtf8(const VEXA_Variable& variable) {
  return HasText(variable.GetLabel()) ? Utf8FromLocalCodePage(variable.GetLabel()) : std::string();
}
