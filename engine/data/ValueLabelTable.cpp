#include "engine/data/ValueLabelTable.h"

#include <algorithm>
#include <cstring>

#include "engine/data/TextCells.h"

void ValueLabelTable::AddNumber(double value, std::string label) {
  auto [slot, added] = byNumber_.try_emplace(value, entries_.size());
  if (added)
    entries_.push_back(Entry{value, {}, std::move(label)});
  else
    entries_[slot->second].label = std::move(label);
}

void ValueLabelTable::AddText(std::string_view value, std::string label) {
  std::string key(TrimTrailingBlanks(value));
  auto [slot, added] = byText_.try_emplace(key, entries_.size());
  if (added)
    entries_.push_back(Entry{0, std::move(key), std::move(label)});
  else
    entries_[slot->second].label = std::move(label);
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
  if (IsString()) return nullptr;
  auto found = byNumber_.find(value);
  return found == byNumber_.end() ? nullptr : entries_[found->second].label.c_str();
}

const char* ValueLabelTable::GetLabel(const char* text) const {
  if (!text || !IsString()) return nullptr;
  auto found = byText_.find(std::string(TrimTrailingBlanks(text)));
  return found == byText_.end() ? nullptr : entries_[found->second].label.c_str();
}
