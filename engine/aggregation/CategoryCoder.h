#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "OBS.h"
#include "engine/aggregation/FlatMap64.h"

// Gives each distinct value of a break variable a code, in order of first
// appearance: numbers (-0 as 0, NaN as system-missing) or texts of a fixed
// number of cells. Small whole numbers, the usual category codes, are looked
// up in a table; other values in a hash map.
class CategoryCoder {
 public:
  // 0 for numbers, else the number of text cells of every value.
  void Bind(int textCells);
  void Clear();

  int Code(const OBS* cell) {
    if (textCells_ == 0) return CodeNumber(cell->number);
    if (textCells_ == 1) return CodeShortText(cell);
    return CodeLongText(cell);
  }

  int CodeNumber(double value) {
    if (value >= kDenseLow && value < kDenseHigh) {
      const auto whole = static_cast<std::int64_t>(value);
      if (static_cast<double>(whole) == value) {
        int& code = dense_[whole - kDenseLow];
        if (code < 0) code = AddNumber(value + 0.0);  // -0 is 0
        return code;
      }
    }
    return CodeOtherNumber(value);
  }

  // The code here of the value that `other` codes as `code`.
  int Recode(const CategoryCoder& other, int code);

  int Count() const { return count_; }
  bool IsText() const { return textCells_ > 0; }
  int TextCells() const { return textCells_; }
  double NumberOf(int code) const { return numbers_[code]; }
  // The blank-padded text of a code, textCells * 8 bytes.
  const std::string& TextOf(int code) const { return texts_[code]; }

 private:
  static constexpr std::int64_t kDenseLow = -1024;
  static constexpr std::int64_t kDenseHigh = 8192;

  int CodeOtherNumber(double value);
  int CodeShortText(const OBS* cell);
  int CodeLongText(const OBS* cells);
  int AddNumber(double value);

  int textCells_ = 0;
  int count_ = 0;
  std::vector<int> dense_;
  FlatMap64 wide_;  // numbers outside the table by their bits; one-cell texts by their bytes
  std::unordered_map<std::string, int> longTexts_;
  std::vector<double> numbers_;
  std::vector<std::string> texts_;
};
