#include "engine/aggregation/CategoryDimension.h"

#include <algorithm>
#include <cstring>

#include "engine/aggregation/Cube.h"

namespace {

// Equal as blank-padded texts of different lengths.
bool PaddedEqual(const OBS* a, int aCells, const OBS* b, int bCells) {
  const char* x = a[0].text;
  const char* y = b[0].text;
  const std::size_t common = static_cast<std::size_t>(std::min(aCells, bCells)) * sizeof(OBS);
  if (std::memcmp(x, y, common) != 0) return false;
  const char* rest = aCells > bCells ? x : y;
  const std::size_t end = static_cast<std::size_t>(std::max(aCells, bCells)) * sizeof(OBS);
  for (std::size_t i = common; i < end; ++i)
    if (rest[i] != ' ') return false;
  return true;
}

std::string PadToCells(std::string text) {
  const std::size_t cells = std::max<std::size_t>(1, (text.size() + sizeof(OBS) - 1) / sizeof(OBS));
  text.resize(cells * sizeof(OBS), ' ');
  return text;
}

}  // namespace

const std::vector<AggregationCategory>& CategoryDimension::GetCategories() {
  if (cube_ != nullptr) cube_->Finish();
  return categories_;
}

void CategoryDimension::Bind(const ColumnCatalog& catalog) {
  members_.clear();
  memberNames_.clear();
  for (int column : variable_.columns) members_.push_back(catalog.Describe(column));
  if (variable_.kind == BreakKind::kDichotomySet) {
    std::size_t longest = 0;
    for (int column : variable_.columns) {
      memberNames_.push_back(catalog.NameOf(column));
      longest = std::max(longest, memberNames_.back().size());
    }
    for (std::string& name : memberNames_) name = PadToCells(name.append(longest - name.size(), ' '));
  }
  Clear();
}

int CategoryDimension::TextCells() const {
  if (variable_.kind == BreakKind::kDichotomySet) return 0;
  int cells = 0;
  for (const ColumnInfo& member : members_) cells = std::max(cells, member.textCells);
  return cells;
}

bool CategoryDimension::HoldsCountedValue(const ColumnInfo& member, const OBS* cell) const {
  const std::vector<OBS>& counted = variable_.countedValue;
  if (counted.empty()) return false;
  if (member.textCells == 0) return variable_.countedIsNumber && cell->number == counted[0].number;
  if (variable_.countedIsNumber) return false;
  return PaddedEqual(cell, member.textCells, counted.data(), static_cast<int>(counted.size()));
}

void CategoryDimension::BuildCategories(const std::vector<std::uint8_t>& used, const CategoryCoder& values) {
  categories_.clear();
  for (int code = 0; code < static_cast<int>(used.size()); ++code)
    if (used[code]) categories_.push_back(MakeCategory(code, values));
  if (variable_.kind == BreakKind::kDichotomySet) return;  // set order = code order
  auto less = [](const AggregationCategory& a, const AggregationCategory& b) {
    if (a.IsString()) {
      return std::memcmp(a.GetString(), b.GetString(), a.GetStringCells() * sizeof(OBS)) < 0;
    }
    return a.GetValue() < b.GetValue();
  };
  std::sort(categories_.begin(), categories_.end(), less);
}

AggregationCategory CategoryDimension::MakeCategory(int code, const CategoryCoder& values) const {
  if (variable_.kind == BreakKind::kDichotomySet)
    return AggregationCategory(code, memberNames_[code], variable_.columns[code]);
  if (values.IsText()) return AggregationCategory(code, values.TextOf(code));
  return AggregationCategory(code, values.NumberOf(code));
}
