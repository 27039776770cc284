#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The cells of one column of a chart data table, 8 bytes each: a double, or
// a NaN pattern that marks an empty cell or points to a text. Each distinct
// text is stored once per column (label columns repeat a few texts millions
// of times).
class DataColumn {
 public:
  struct Cell {
    enum class Kind { kEmpty, kNumber, kText };
    Kind kind;
    double number;
    const std::string* text;
  };

  DataColumn(std::string name, std::size_t expectedRows);
  DataColumn(const DataColumn& other);
  DataColumn& operator=(const DataColumn&) = delete;

  const std::string& Name() const { return name_; }
  void SetNumber(std::size_t row, double value);
  void SetText(std::size_t row, std::string_view text);
  void Clear(std::size_t row);
  bool IsEmpty(std::size_t row) const;
  // Cells past the end read as empty.
  Cell At(std::size_t row) const;

 private:
  std::uint64_t& Slot(std::size_t row);
  std::uint32_t Intern(std::string_view text);
  void IndexTexts();

  std::string name_;
  std::vector<std::uint64_t> cells_;
  std::deque<std::string> texts_;  // stable addresses for the index's keys
  std::unordered_map<std::string_view, std::uint32_t> textIndex_;
};
