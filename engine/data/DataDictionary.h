#pragma once
#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "VariableSet.h"
#include "currencyFormat.h"
#include "engine/data/DataVariable.h"

// The variables of a data set with its weight, split variables and
// multiple-response sets.
class DataDictionary {
 public:
  // Fails (false) when the name is already used, compared ignoring case.
  bool AddVariable(VariableDefinition definition);
  int VariableCount() const { return static_cast<int>(variables_.size()); }
  DataVariable* Variable(int column) const;
  // The column of a variable, compared ignoring case; -1 when absent.
  int Find(std::string_view name) const;

  void SetWeight(int column) { weight_ = column; }
  int Weight() const { return weight_; }
  void AddSplit(int column) { splits_.push_back(column); }
  const std::vector<int>& Splits() const { return splits_; }
  void AddSet(VariableSet set) { sets_.push_back(std::move(set)); }
  const std::vector<VariableSet>& Sets() const { return sets_; }
  void SetCurrency(int index, CurrencyAffixes affixes);
  const CurrencyAffixes& Currency(int index) const { return currencies_[static_cast<std::size_t>(index)]; }

 private:
  std::vector<std::unique_ptr<DataVariable>> variables_;
  std::unordered_map<std::string, int> columnsByName_;  // upper-case names
  int weight_ = -1;
  std::vector<int> splits_;
  std::vector<VariableSet> sets_;
  std::array<CurrencyAffixes, currencyFormat::kCount> currencies_;
};
