#pragma once
#include <cstdint>
#include <vector>

#include "TableDimension.h"
#include "engine/aggregation/BreakVariable.h"
#include "engine/aggregation/CaseBatch.h"
#include "engine/aggregation/CategoryCoder.h"
#include "engine/aggregation/ColumnCatalog.h"

class Cube;

// A category a case enters in a set dimension, and how many members hold it.
struct CodeCount {
  int code;
  int members;
};

// The dimension of one break variable: codes the values of its columns,
// and lists the categories that cells use once the cases are in.
class CategoryDimension : public TableDimension {
 public:
  explicit CategoryDimension(const AggregationVariable::Rep& variable) : variable_(variable) {}

  void SetComputingCounts(bool withDuplicates) override { withDuplicates_ = withDuplicates; }
  bool GetComputingCounts() const override { return withDuplicates_; }
  const std::vector<AggregationCategory>& GetCategories() override;

  // Joins a cube, and learns the member columns' types at its first case.
  void Attach(Cube* cube) { cube_ = cube; }
  void Bind(const ColumnCatalog& catalog);
  const std::vector<ColumnInfo>& Members() const { return members_; }
  bool IsSet() const { return variable_.kind != BreakKind::kVariable; }

  // A single variable: each kept row's code, or -1 when the row is left out.
  void CodeRows(const ColumnView& view, int rows, const std::uint8_t* keep, int* codes);
  // A set: the categories that row `row` enters (empty: none).
  void CodeSetRow(const std::vector<ColumnView>& memberViews, int row, std::vector<CodeCount>& out);

  // After the last case: the categories of the codes that some cell uses.
  void BuildCategories(const std::vector<std::uint8_t>& used);
  int CodeCountSoFar() const;
  bool Owns(const AggregationCategory* category) const {
    return category >= categories_.data() && category < categories_.data() + categories_.size();
  }
  void Clear();

 private:
  int DimensionTextCells() const;
  void CodeCategoryMembers(const std::vector<ColumnView>& memberViews, int row,
                           std::vector<CodeCount>& out);
  void CodeDichotomyMembers(const std::vector<ColumnView>& memberViews, int row,
                            std::vector<CodeCount>& out);
  void NoteCode(const OBS* cell);
  bool HoldsCountedValue(const ColumnInfo& member, const OBS* cell) const;
  AggregationCategory MakeCategory(int code) const;

  const AggregationVariable::Rep& variable_;
  Cube* cube_ = nullptr;
  bool withDuplicates_ = false;
  std::vector<ColumnInfo> members_;
  std::vector<std::string> memberNames_;  // dichotomy sets, blank padded to whole cells
  CategoryCoder coder_;
  std::vector<int> mapped_;  // single variable: per code, the code or -1 for a left-out value
  std::vector<OBS> padded_;            // a set member's text widened to the dimension's cells
  std::vector<AggregationCategory> categories_;
};
