#pragma once
#include <vector>

class VEXA_DataSource;
class VariableSet;

// The sets of a data source's dictionary, in definition order.
class VariableSets {
 public:
  // Kind 1 lists the multiple-response sets; other kinds list nothing.
  static constexpr int kMultipleResponse = 1;

  VariableSets(const VEXA_DataSource* source, int kind);

  int Size() const { return static_cast<int>(sets_.size()); }
  // Null when i is out of range. The set belongs to the data source.
  const VariableSet* GetSet(int i) const;

 private:
  std::vector<const VariableSet*> sets_;
};
