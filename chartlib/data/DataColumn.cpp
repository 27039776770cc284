#include "chartlib/data/DataColumn.h"

#include <bit>
#include <cmath>
#include <limits>

namespace {

// Negative quiet NaNs with a tag in the high bits; a number written as NaN is
// stored as the positive quiet NaN, so it never looks like a tag.
constexpr std::uint64_t kTagMask = 0xFFFF'0000'0000'0000ULL;
constexpr std::uint64_t kEmpty = 0xFFFB'0000'0000'0000ULL;
constexpr std::uint64_t kTextTag = 0xFFFA'0000'0000'0000ULL;

std::uint64_t NumberBits(double value) {
  if (std::isnan(value)) value = std::numeric_limits<double>::quiet_NaN();
  return std::bit_cast<std::uint64_t>(value);
}

}  // namespace

DataColumn::DataColumn(std::string name, std::size_t expectedRows) : name_(std::move(name)) {
  cells_.reserve(expectedRows);
}

DataColumn::DataColumn(const DataColumn& other) : name_(other.name_), cells_(other.cells_), texts_(other.texts_) {
  IndexTexts();
}

void DataColumn::IndexTexts() {
  textIndex_.clear();
  for (std::size_t i = 0; i < texts_.size(); ++i) textIndex_.emplace(texts_[i], static_cast<std::uint32_t>(i));
}

std::uint64_t& DataColumn::Slot(std::size_t row) {
  if (row >= cells_.size()) cells_.resize(row + 1, kEmpty);
  return cells_[row];
}

std::uint32_t DataColumn::Intern(std::string_view text) {
  auto found = textIndex_.find(text);
  if (found != textIndex_.end()) return found->second;
  auto index = static_cast<std::uint32_t>(texts_.size());
  texts_.emplace_back(text);
  textIndex_.emplace(texts_.back(), index);
  return index;
}

void DataColumn::SetNumber(std::size_t row, double value) { Slot(row) = NumberBits(value); }

void DataColumn::SetText(std::size_t row, std::string_view text) { Slot(row) = kTextTag | Intern(text); }

void DataColumn::Clear(std::size_t row) {
  if (row < cells_.size()) cells_[row] = kEmpty;
}

bool DataColumn::IsEmpty(std::size_t row) const { return row >= cells_.size() || cells_[row] == kEmpty; }

DataColumn::Cell DataColumn::At(std::size_t row) const {
  if (IsEmpty(row)) return Cell{Cell::Kind::kEmpty, 0, nullptr};
  std::uint64_t bits = cells_[row];
  if ((bits & kTagMask) == kTextTag) return Cell{Cell::Kind::kText, 0, &texts_[bits & 0xFFFF'FFFFULL]};
  return Cell{Cell::Kind::kNumber, std::bit_cast<double>(bits), nullptr};
}
