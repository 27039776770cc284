#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The user-missing values of one variable: single values and, for numbers, a
// range whose ends may be open.
class MissingValues {
 public:
  struct Range {
    std::optional<double> low;
    std::optional<double> high;
  };

  void AddNumber(double value) { numbers_.push_back(value); }
  void AddText(std::string_view value);
  void SetRange(Range range) { range_ = range; }

  bool Contains(double value) const;
  // Compared without trailing blanks.
  bool Contains(std::string_view text) const;
  bool Empty() const { return numbers_.empty() && texts_.empty() && !range_; }

  const std::vector<double>& Numbers() const { return numbers_; }
  const std::vector<std::string>& Texts() const { return texts_; }
  const std::optional<Range>& GetRange() const { return range_; }

 private:
  std::vector<double> numbers_;
  std::vector<std::string> texts_;
  std::optional<Range> range_;
};
