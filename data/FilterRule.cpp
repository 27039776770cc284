#include "data/FilterRule.h"

#include <cstdlib>
#include <optional>

#include "data/CellText.h"
#include "data/DataFilter.h"
#include "host/engine/VEXA_ValueLabelMap.h"
#include "host/engine/VEXA_Variable.h"

namespace {

// The number a text reads as when the whole text is one number.
std::optional<double> WholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size()) return std::nullopt;
  return value;
}

bool Matches(const std::string& listed, const std::string& text, bool numeric) {
  if (listed == text) return true;
  if (!numeric) return false;
  std::optional<double> listedNumber = WholeNumber(listed);
  std::optional<double> valueNumber = WholeNumber(text);
  return listedNumber && valueNumber && *listedNumber == *valueNumber;
}

// Counts the case for the first listed text the value matches.
bool CountMatch(DataFilter& filter, const std::vector<std::string>& listed, const std::string& text, bool numeric) {
  for (const std::string& candidate : listed) {
    if (!Matches(candidate, text, numeric)) continue;
    auto count = filter.valueCounts.find(candidate);
    if (count != filter.valueCounts.end()) ++count->second;
    return true;
  }
  return false;
}

bool IsLabelled(const VEXA_Variable& variable, const OBS* cell, const std::string& text) {
  const VEXA_ValueLabelMap* labels = variable.GetValueLabels();
  if (!labels) return false;
  return (variable.GetType() == 0 ? labels->GetLabel(cell) : labels->GetLabel(text.c_str())) != nullptr;
}

}  // namespace

bool FilterPasses(DataFilter& filter, const std::vector<std::string>& listed, const std::string& text, bool numeric,
                  bool labelled) {
  const bool matched = CountMatch(filter, listed, text, numeric);
  if (filter.allValues || matched) return true;
  return filter.unlabeledInclude && !labelled;
}

bool CellPassesFilter(DataFilter& filter, const std::vector<std::string>& listed, const VEXA_Variable& variable,
                      const OBS* cell) {
  const std::string text = ValueText(variable, cell);
  return FilterPasses(filter, listed, text, variable.GetType() == 0, IsLabelled(variable, cell, text));
}
