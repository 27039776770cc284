#include "engine/data/ValueLabelTable.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/data/TextCells.h"

namespace {

// The key of a value: its bits, with -0 and 0 made one.
std::uint64_t NumberKey(double value) {
  if (value == 0) value = 0;
  std::uint64_t key;
  std::memcpy(&key, &value, sizeof key);
  return key;
}

}  // namespace

void ValueLabelTable::AddNumber(double value, std::string label) {
  const std::uint64_t key = NumberKey(value);
  if (!byNumber_) byNumber_.emplace();
  if (int known = byNumber_->Find(key); known >= 0) {
    entries_[static_cast<std::size_t>(known)].label = std::move(label);
    return;
  }
  byNumber_->Insert(key, static_cast<int>(entries_.size()));
  entries_.push_back(Entry{value, {}, std::move(label)});
}

void ValueLabelTable::AddText(std::string_view value, std::string label) {
  std::string key(TrimTrailingBlanks(value));
  auto [slot, added] = byText_.try_emplace(key, entries_.size());
  if (added)
    entries_.push_back(Entry{0, std::move(key), std::move(label)});
  else
    entries_[slot->second].label = std::move(label);
}

void ValueLabelTable::Reserve(std::size_t labels) {
  entries_.reserve(labels);
  if (IsString() || labels == 0) return;
  if (!byNumber_) byNumber_.emplace();
  byNumber_->Reserve(labels);
}

bool ValueLabelTable::GetNextPair(OBS* value, const char** label) {
  if (cursor_ >= entries_.size()) return false;
  const Entry& entry = entries_[cursor_++];
  if (value) {
    if (IsString()) {
      std::memset(value->text, ' ', sizeof value->text);
      std::memcpy(value->text, entry.text.data(), std::min(entry.text.size(), sizeof value->text));
    } else {
      value->number = entry.number;
    }
  }
  if (label) *label = entry.label.c_str();
  return true;
}

const char* ValueLabelTable::GetLabel(const OBS* cell) const {
  if (!cell) return nullptr;
  if (!IsString()) return GetLabel(cell->number);
  auto found = byText_.find(std::string(TrimmedCellText(cell, width_)));
  return found == byText_.end() ? nullptr : entries_[found->second].label.c_str();
}

const char* ValueLabelTable::GetLabel(double value) const {
  if (IsString() || !byNumber_) return nullptr;
  int found = byNumber_->Find(NumberKey(value));
  return found < 0 ? nullptr : entries_[static_cast<std::size_t>(found)].label.c_str();
}

const char* ValueLabelTable::GetLabel(const char* text) const {
  if (!text || !IsString()) return nullptr;
  auto found = byText_.find(std::string(TrimTrailingBlanks(text)));
  return found == byText_.end() ? nullptr : entries_[found->second].label.c_str();
}
