#include "engine/aggregation/CategoryCoder.h"

void CategoryCoder::Bind(int textCells) {
  textCells_ = textCells;
  Clear();
}

void CategoryCoder::Clear() {
  count_ = 0;
  dense_.assign(textCells_ == 0 ? kDenseHigh - kDenseLow : 0, -1);
  wide_.Clear();
  longTexts_.clear();
  numbers_.clear();
  texts_.clear();
}

int CategoryCoder::AddNumber(double value) {
  numbers_.push_back(value);
  return count_++;
}

int CategoryCoder::CodeOtherNumber(double value) {
  if (value != value) value = kSysMiss;
  value += 0.0;  // -0 is 0
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  int code = wide_.Find(bits);
  if (code < 0) {
    code = AddNumber(value);
    wide_.Insert(bits, code);
  }
  return code;
}

int CategoryCoder::CodeShortText(const OBS* cell) {
  std::uint64_t bits;
  std::memcpy(&bits, cell->text, sizeof bits);
  int code = wide_.Find(bits);
  if (code < 0) {
    code = count_++;
    texts_.emplace_back(cell->text, sizeof(OBS));
    wide_.Insert(bits, code);
  }
  return code;
}

int CategoryCoder::CodeLongText(const OBS* cells) {
  std::string key(reinterpret_cast<const char*>(cells), static_cast<std::size_t>(textCells_) * sizeof(OBS));
  auto [it, added] = longTexts_.try_emplace(key, count_);
  if (added) {
    ++count_;
    texts_.push_back(std::move(key));
  }
  return it->second;
}

int CategoryCoder::Recode(const CategoryCoder& other, int code) {
  if (textCells_ == 0) return CodeNumber(other.NumberOf(code));
  std::vector<OBS> cells(static_cast<std::size_t>(textCells_));
  std::memcpy(cells.data(), other.TextOf(code).data(), cells.size() * sizeof(OBS));
  return Code(cells.data());
}
