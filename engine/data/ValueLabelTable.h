#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "VEXA_ValueLabelMap.h"
#include "engine/aggregation/FlatMap64.h"

// The value labels of one variable, in the order they were defined. String
// values are compared without trailing blanks.
class ValueLabelTable : public VEXA_ValueLabelMap {
 public:
  struct Entry {
    double number = 0;
    std::string text;
    std::string label;
  };

  // width 0 for a numeric variable, else the string width.
  explicit ValueLabelTable(int width = 0) : width_(width) {}

  // A value given twice keeps its first place and takes the later label.
  void AddNumber(double value, std::string label);
  void AddText(std::string_view value, std::string label);
  bool IsString() const { return width_ > 0; }
  // A string variable's width, once the data have settled it.
  void SetWidth(int width) { width_ = width; }
  const std::vector<Entry>& Entries() const { return entries_; }

  int Size() const override { return static_cast<int>(entries_.size()); }
  void Reset() override { cursor_ = 0; }
  // For a string variable the value's first eight bytes, blank padded.
  bool GetNextPair(OBS* value, const char** label) override;
  const char* GetLabel(const OBS* cell) const override;
  const char* GetLabel(double value) const override;
  const char* GetLabel(const char* text) const override;
  // Room for this many labels, when the caller knows.
  void Reserve(std::size_t labels);

 private:
  int width_;
  std::vector<Entry> entries_;
  // An open-addressing index by the bits of the value, made with the first
  // label: a million labels are indexed in a fraction of a second, and the
  // many variables without labels cost nothing.
  std::optional<FlatMap64> byNumber_;
  std::unordered_map<std::string, std::size_t> byText_;
  std::size_t cursor_ = 0;
};
