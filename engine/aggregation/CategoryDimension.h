#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "TableDimension.h"
#include "engine/aggregation/BreakVariable.h"
#include "engine/aggregation/CategoryCoder.h"
#include "engine/aggregation/ColumnCatalog.h"

class Cube;

// The dimension of one break variable: what its columns are, and the
// categories that cells use once the cases are in. The parts of a cube code
// the values (DimensionCoder).
class CategoryDimension : public TableDimension {
 public:
  explicit CategoryDimension(const AggregationVariable::Rep& variable) : variable_(variable) {}

  void SetComputingCounts(bool withDuplicates) override { withDuplicates_ = withDuplicates; }
  bool GetComputingCounts() const override { return withDuplicates_; }
  const std::vector<AggregationCategory>& GetCategories() override;

  // Joins a cube, and learns the member columns' types at its first case.
  void Attach(Cube* cube) { cube_ = cube; }
  void Bind(const ColumnCatalog& catalog);
  const AggregationVariable::Rep& Variable() const { return variable_; }
  const std::vector<ColumnInfo>& Members() const { return members_; }
  bool IsSet() const { return variable_.kind != BreakKind::kVariable; }
  // Text cells of the categories; 0 for numbers and for a dichotomy set.
  int TextCells() const;
  bool HoldsCountedValue(const ColumnInfo& member, const OBS* cell) const;

  // After the last case: the categories of the codes that some cell uses,
  // with the values the codes stand for.
  void BuildCategories(const std::vector<std::uint8_t>& used, const CategoryCoder& values);
  bool Owns(const AggregationCategory* category) const {
    return category >= categories_.data() && category < categories_.data() + categories_.size();
  }
  void Clear() { categories_.clear(); }

 private:
  AggregationCategory MakeCategory(int code, const CategoryCoder& values) const;

  const AggregationVariable::Rep& variable_;
  Cube* cube_ = nullptr;
  bool withDuplicates_ = false;
  std::vector<ColumnInfo> members_;
  std::vector<std::string> memberNames_;  // dichotomy sets, blank padded to whole cells
  std::vector<AggregationCategory> categories_;
};
