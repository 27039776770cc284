#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

// One variable of DATAFILTER: which of its values let a case through.
struct DataFilter {
  explicit DataFilter(std::string variableName) : name(std::move(variableName)) {}

  // A value as written in VALUES; ALL among them lets every value pass.
  void AddValue(const std::string& text) {
    values.push_back(text);
    valueCounts.emplace(text, 0u);
  }

  // The variable name as written in the command.
  std::string name;
  bool unlabeledInclude = true;
  bool allValues = false;
  std::vector<std::string> values;
  // How many cases held each listed value.
  std::map<std::string, unsigned> valueCounts;
};
