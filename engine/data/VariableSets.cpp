#include "VariableSets.h"

#include "VEXA_DataSource.h"

VariableSets::VariableSets(const VEXA_DataSource* source, int kind) {
  if (!source || kind != kMultipleResponse) return;
  for (int i = 0; i < source->GetVariableSetCount(); ++i)
    if (const VariableSet* set = source->GetVariableSet(i)) sets_.push_back(set);
}

const VariableSet* VariableSets::GetSet(int i) const {
  return i >= 0 && i < Size() ? sets_[static_cast<std::size_t>(i)] : nullptr;
}
