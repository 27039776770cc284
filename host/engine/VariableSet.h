#pragma once
#include <string>
#include <vector>

// One multiple-response set of a data dictionary: a group of variables that
// together record the answers to one question.
class VariableSet {
 public:
  enum Type { kCategories = 1, kDichotomies = 2 };
  // How GetName and GetVariableNames write names.
  enum ChangeCase { kUpperCase = 0, kLowerCase = 1, kAsDefined = 2 };

  struct Definition {
    std::string name;  // begins with "$"
    int type = kCategories;
    std::string label;
    std::vector<std::string> variables;
    std::string countedValue;  // dichotomies: the value that counts, as text
    bool enhanced = false;
    bool useCategoryLabels = false;
  };

  explicit VariableSet(Definition definition);

  std::string GetName(int changeCase) const;
  std::vector<std::string> GetVariableNames(int changeCase) const;
  int GetType() const { return definition_.type; }
  // Empty when the set has no label.
  const char* GetLabel() const { return definition_.label.c_str(); }
  // The counted value of a dichotomy set as text; empty for categories.
  const char* GetValue() const { return definition_.countedValue.c_str(); }
  bool qIsEnhancedDichotomy() const { return definition_.enhanced; }
  bool qUseVariableCategoryLabels() const { return definition_.useCategoryLabels; }

 private:
  Definition definition_;
};
