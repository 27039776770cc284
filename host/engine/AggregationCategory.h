#pragma once
#include <string>

#include "OBS.h"

// One category of a break variable: a number (the system-missing value
// included), or a text of whole eight-byte cells, blank padded. The
// categories of a dichotomy set are its members: their text is the member
// variable's name and GetMemberColumn its column.
class AggregationCategory {
 public:
  AggregationCategory(int code, double value) : code_(code), value_(value) {}
  AggregationCategory(int code, std::string text, int memberColumn = -1)
      : code_(code), text_(std::move(text)), memberColumn_(memberColumn) {}

  bool IsString() const { return !text_.empty(); }
  // The numeric value; system-missing for a text category.
  double GetValue() const { return value_; }
  // The text's cells (GetStringCells of them); null for a numeric category.
  const OBS* GetString() const {
    return IsString() ? reinterpret_cast<const OBS*>(text_.data()) : nullptr;
  }
  int GetStringCells() const { return static_cast<int>(text_.size() / sizeof(OBS)); }
  int GetMemberColumn() const { return memberColumn_; }

  // The engine's key of the category within its dimension.
  int GetCode() const { return code_; }

 private:
  int code_;
  double value_ = kSysMiss;
  std::string text_;  // a multiple of 8 bytes; empty for a number
  int memberColumn_ = -1;
};
