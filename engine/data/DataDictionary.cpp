#include "engine/data/DataDictionary.h"

#include <algorithm>
#include <cctype>

namespace {

std::string UpperCase(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

}  // namespace

bool DataDictionary::AddVariable(VariableDefinition definition) {
  auto [slot, added] = columnsByName_.try_emplace(UpperCase(definition.name), VariableCount());
  if (!added) return false;
  variables_.push_back(std::make_unique<DataVariable>(std::move(definition)));
  return true;
}

DataVariable* DataDictionary::Variable(int column) const {
  return column >= 0 && column < VariableCount() ? variables_[static_cast<std::size_t>(column)].get() : nullptr;
}

int DataDictionary::Find(std::string_view name) const {
  auto found = columnsByName_.find(UpperCase(name));
  return found == columnsByName_.end() ? -1 : found->second;
}

void DataDictionary::SetCurrency(int index, CurrencyAffixes affixes) {
  if (index >= 0 && index < currencyFormat::kCount) currencies_[static_cast<std::size_t>(index)] = std::move(affixes);
}
