#include "VariableSet.h"

#include <algorithm>
#include <cctype>

namespace {

std::string ChangeCaseOf(std::string text, int changeCase) {
  if (changeCase == VariableSet::kAsDefined) return text;
  auto convert = changeCase == VariableSet::kUpperCase ? ::toupper : ::tolower;
  std::transform(text.begin(), text.end(), text.begin(),
                 [convert](unsigned char c) { return static_cast<char>(convert(c)); });
  return text;
}

}  // namespace

VariableSet::VariableSet(Definition definition) : definition_(std::move(definition)) {}

std::string VariableSet::GetName(int changeCase) const { return ChangeCaseOf(definition_.name, changeCase); }

std::vector<std::string> VariableSet::GetVariableNames(int changeCase) const {
  std::vector<std::string> names;
  names.reserve(definition_.variables.size());
  for (const std::string& name : definition_.variables) names.push_back(ChangeCaseOf(name, changeCase));
  return names;
}
