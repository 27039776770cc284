#pragma once
#include <cstdint>
#include <vector>

#include "engine/aggregation/CaseBatch.h"
#include "engine/aggregation/CategoryCoder.h"

class CategoryDimension;

// A category a case enters in a set dimension, and how many members hold it.
struct CodeCount {
  int code;
  int members;
};

// Codes the values of one dimension's columns for one part of a cube: each
// part numbers the categories in the order its own cases bring them, so that
// parts aggregate side by side without sharing anything they write.
class DimensionCoder {
 public:
  explicit DimensionCoder(const CategoryDimension& dimension);

  // A single variable: each kept row's code, or -1 when the row is left out;
  // `keep` null keeps every row.
  void CodeRows(const ColumnView& view, int rows, const std::uint8_t* keep, int* codes);
  // Whether CodeRows takes the two-pass way: numbers one cell apart.
  bool CodesDirectly(const ColumnView& view) const;
  // The two passes apart, for callers that fuse the second with more work:
  // each value's slot in the direct table, then the code of a row.
  void FindSlots(const OBS* cells, int rows, int* slots) const;
  int CodeOfSlot(int slot, const OBS* cell) {
    const int code = direct_[slot];
    return code != kUnseen ? code : CodeNumberSlowly(cell);
  }
  // A set: the categories that row `row` enters (empty: none).
  void CodeSetRow(const std::vector<ColumnView>& memberViews, int row, std::vector<CodeCount>& out);

  // Codes given so far; a dichotomy set's codes are its members.
  int CodesSoFar() const;
  const CategoryCoder& Values() const { return coder_; }
  void Clear();

 private:
  // Whole numbers in [kDirectLow, kDirectHigh), the usual category values,
  // find their code in one table lookup: slot 0 stands for every other value.
  static constexpr int kDirectLow = -1024;
  static constexpr int kDirectHigh = 8192;
  static constexpr int kUnseen = -2;

  int CodeNumberSlowly(const OBS* cell);
  int CodeSlowly(const OBS* cell);
  void NoteCode(const OBS* cell);
  // Calls visit(index, member, cell) for each member's value in `row` that
  // may enter a category: members that exist, missing values left out when excluded.
  template <class Visit>
  void ForEachMemberValue(const std::vector<ColumnView>& memberViews, int row, Visit visit) const;
  void CodeCategoryMembers(const std::vector<ColumnView>& memberViews, int row, std::vector<CodeCount>& out);
  void CodeDichotomyMembers(const std::vector<ColumnView>& memberViews, int row,
                            std::vector<CodeCount>& out) const;

  const CategoryDimension& dimension_;
  CategoryCoder coder_;
  std::vector<int> mapped_;  // single variable: per code, the code or -1 for a left-out value
  std::vector<int> direct_;  // per slot of a whole number, its mapped code or kUnseen
  std::vector<OBS> padded_;  // a set member's text widened to the dimension's cells
};
