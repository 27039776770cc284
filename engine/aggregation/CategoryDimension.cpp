#include "engine/aggregation/CategoryDimension.h"

#include <algorithm>
#include <cstring>

#include "engine/aggregation/Cube.h"

namespace {

// Equal as blank-padded texts of different lengths.
bool PaddedEqual(const OBS* a, int aCells, const OBS* b, int bCells) {
  const char* x = a[0].text;
  const char* y = b[0].text;
  const std::size_t common = static_cast<std::size_t>(std::min(aCells, bCells)) * sizeof(OBS);
  if (std::memcmp(x, y, common) != 0) return false;
  const char* rest = aCells > bCells ? x : y;
  const std::size_t end = static_cast<std::size_t>(std::max(aCells, bCells)) * sizeof(OBS);
  for (std::size_t i = common; i < end; ++i)
    if (rest[i] != ' ') return false;
  return true;
}

std::string PadToCells(std::string text) {
  const std::size_t cells = std::max<std::size_t>(1, (text.size() + sizeof(OBS) - 1) / sizeof(OBS));
  text.resize(cells * sizeof(OBS), ' ');
  return text;
}

}  // namespace

const std::vector<AggregationCategory>& CategoryDimension::GetCategories() {
  if (cube_ != nullptr) cube_->Finish();
  return categories_;
}

void CategoryDimension::Bind(const ColumnCatalog& catalog) {
  members_.clear();
  memberNames_.clear();
  for (int column : variable_.columns) members_.push_back(catalog.Describe(column));
  if (variable_.kind == BreakKind::kDichotomySet) {
    std::size_t longest = 0;
    for (int column : variable_.columns) {
      memberNames_.push_back(catalog.NameOf(column));
      longest = std::max(longest, memberNames_.back().size());
    }
    for (std::string& name : memberNames_) name = PadToCells(name.append(longest - name.size(), ' '));
  }
  coder_.Bind(DimensionTextCells());
  Clear();
}

int CategoryDimension::DimensionTextCells() const {
  if (variable_.kind == BreakKind::kDichotomySet) return 0;
  int cells = 0;
  for (const ColumnInfo& member : members_) cells = std::max(cells, member.textCells);
  return cells;
}

void CategoryDimension::CodeRows(const ColumnView& view, int rows, const std::uint8_t* keep,
                                 int* codes) {
  if (!members_[0].exists) {
    std::fill(codes, codes + rows, -1);
    return;
  }
  int known = static_cast<int>(mapped_.size());
  if (coder_.TextCells() == 0 && view.stride == 1) {  // the usual case, kept tight
    const OBS* cells = view.cells;
    for (int i = 0; i < rows; ++i) {
      const int code = coder_.CodeNumber(cells[i].number);
      if (code >= known) {
        NoteCode(&cells[i]);
        ++known;
      }
      codes[i] = keep[i] ? mapped_[code] : -1;
    }
    return;
  }
  for (int i = 0; i < rows; ++i) {
    const OBS* cell = view.Row(i);
    const int code = coder_.Code(cell);
    if (code >= known) {
      NoteCode(cell);
      ++known;
    }
    codes[i] = keep[i] ? mapped_[code] : -1;
  }
}

// A new code: left out when it stands for a missing value that is excluded.
void CategoryDimension::NoteCode(const OBS* cell) {
  const int code = static_cast<int>(mapped_.size());
  mapped_.push_back(variable_.excludeMissing && members_[0].IsMissing(cell) ? -1 : code);
}

void CategoryDimension::CodeSetRow(const std::vector<ColumnView>& memberViews, int row,
                                   std::vector<CodeCount>& out) {
  out.clear();
  if (variable_.kind == BreakKind::kDichotomySet) {
    CodeDichotomyMembers(memberViews, row, out);
  } else {
    CodeCategoryMembers(memberViews, row, out);
  }
}

void CategoryDimension::CodeCategoryMembers(const std::vector<ColumnView>& memberViews, int row,
                                            std::vector<CodeCount>& out) {
  const int cells = coder_.TextCells();
  for (std::size_t m = 0; m < members_.size(); ++m) {
    const ColumnInfo& member = members_[m];
    if (!member.exists) continue;
    const OBS* cell = memberViews[m].Row(row);
    if (variable_.excludeMissing && member.IsMissing(cell)) continue;
    if (cells > member.textCells) {  // a shorter text member: widen with blanks
      padded_.assign(cells, OBS{});
      std::memset(padded_.data(), ' ', padded_.size() * sizeof(OBS));
      std::memcpy(padded_.data(), cell, member.textCells * sizeof(OBS));
      cell = padded_.data();
    }
    const int code = coder_.Code(cell);
    auto seen = std::find_if(out.begin(), out.end(), [&](const CodeCount& c) { return c.code == code; });
    if (seen == out.end()) {
      out.push_back({code, 1});
    } else {
      ++seen->members;
    }
  }
}

void CategoryDimension::CodeDichotomyMembers(const std::vector<ColumnView>& memberViews, int row,
                                             std::vector<CodeCount>& out) {
  for (std::size_t m = 0; m < members_.size(); ++m) {
    const ColumnInfo& member = members_[m];
    if (!member.exists) continue;
    const OBS* cell = memberViews[m].Row(row);
    if (variable_.excludeMissing && member.IsMissing(cell)) continue;
    if (HoldsCountedValue(member, cell)) out.push_back({static_cast<int>(m), 1});
  }
}

bool CategoryDimension::HoldsCountedValue(const ColumnInfo& member, const OBS* cell) const {
  const std::vector<OBS>& counted = variable_.countedValue;
  if (counted.empty()) return false;
  if (member.textCells == 0) return variable_.countedIsNumber && cell->number == counted[0].number;
  if (variable_.countedIsNumber) return false;
  return PaddedEqual(cell, member.textCells, counted.data(), static_cast<int>(counted.size()));
}

int CategoryDimension::CodeCountSoFar() const {
  return variable_.kind == BreakKind::kDichotomySet ? static_cast<int>(members_.size()) : coder_.Count();
}

void CategoryDimension::BuildCategories(const std::vector<std::uint8_t>& used) {
  categories_.clear();
  for (int code = 0; code < static_cast<int>(used.size()); ++code)
    if (used[code]) categories_.push_back(MakeCategory(code));
  if (variable_.kind == BreakKind::kDichotomySet) return;  // set order = code order
  auto less = [](const AggregationCategory& a, const AggregationCategory& b) {
    if (a.IsString()) {
      return std::memcmp(a.GetString(), b.GetString(), a.GetStringCells() * sizeof(OBS)) < 0;
    }
    return a.GetValue() < b.GetValue();
  };
  std::sort(categories_.begin(), categories_.end(), less);
}

AggregationCategory CategoryDimension::MakeCategory(int code) const {
  if (variable_.kind == BreakKind::kDichotomySet)
    return AggregationCategory(code, memberNames_[code], variable_.columns[code]);
  if (coder_.IsText()) return AggregationCategory(code, coder_.TextOf(code));
  return AggregationCategory(code, coder_.NumberOf(code));
}

void CategoryDimension::Clear() {
  coder_.Clear();
  mapped_.clear();
  categories_.clear();
}
