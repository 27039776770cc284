#include "engine/data/MissingValues.h"

#include <algorithm>

#include "engine/data/TextCells.h"

void MissingValues::AddText(std::string_view value) { texts_.emplace_back(TrimTrailingBlanks(value)); }

bool MissingValues::Contains(double value) const {
  if (std::find(numbers_.begin(), numbers_.end(), value) != numbers_.end()) return true;
  if (!range_) return false;
  return (!range_->low || value >= *range_->low) && (!range_->high || value <= *range_->high);
}

bool MissingValues::Contains(std::string_view text) const {
  return std::find(texts_.begin(), texts_.end(), TrimTrailingBlanks(text)) != texts_.end();
}
