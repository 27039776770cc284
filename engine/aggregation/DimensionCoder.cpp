#include "engine/aggregation/DimensionCoder.h"

#include <algorithm>
#include <cstring>

#include "engine/aggregation/CategoryDimension.h"

DimensionCoder::DimensionCoder(const CategoryDimension& dimension) : dimension_(dimension) {
  coder_.Bind(dimension.TextCells());
  Clear();
}

void DimensionCoder::CodeRows(const ColumnView& view, int rows, const std::uint8_t* keep, int* codes) {
  if (!dimension_.Members()[0].exists) {
    std::fill(codes, codes + rows, -1);
    return;
  }
  if (CodesDirectly(view)) {  // the usual case, kept tight
    int slots[CaseBatch::kRows];
    FindSlots(view.cells, rows, slots);
    for (int i = 0; i < rows; ++i) codes[i] = CodeOfSlot(slots[i], &view.cells[i]);
  } else {
    for (int i = 0; i < rows; ++i) codes[i] = CodeSlowly(view.Row(i));
  }
  if (keep != nullptr)
    for (int i = 0; i < rows; ++i) codes[i] = keep[i] ? codes[i] : -1;
}

bool DimensionCoder::CodesDirectly(const ColumnView& view) const {
  return !direct_.empty() && view.stride == 1 && dimension_.Members()[0].exists;
}

// Without branches, so that the compiler vectorises it.
void DimensionCoder::FindSlots(const OBS* cells, int rows, int* slots) const {
  StreamRows(cells, rows, [&](int first, int end) {
    for (int i = first; i < end; ++i) {
      const double value = cells[i].number;
      const bool inRange = (value >= kDirectLow) & (value < kDirectHigh);
      const int whole = static_cast<int>(inRange ? value : kDirectLow);
      slots[i] = inRange & (static_cast<double>(whole) == value) ? whole - kDirectLow + 1 : 0;
    }
  });
}

// A value the direct table does not know yet (or cannot hold).
int DimensionCoder::CodeNumberSlowly(const OBS* cell) {
  const int code = CodeSlowly(cell);
  const double value = cell->number;
  if (value >= kDirectLow && value < kDirectHigh && value == static_cast<int>(value))
    direct_[static_cast<int>(value) - kDirectLow + 1] = code;
  return code;
}

int DimensionCoder::CodeSlowly(const OBS* cell) {
  const int code = coder_.Code(cell);
  if (code >= static_cast<int>(mapped_.size())) NoteCode(cell);
  return mapped_[code];
}

// A new code: left out when it stands for a missing value that is excluded.
void DimensionCoder::NoteCode(const OBS* cell) {
  const int code = static_cast<int>(mapped_.size());
  const bool excluded = dimension_.Variable().excludeMissing && dimension_.Members()[0].IsMissing(cell);
  mapped_.push_back(excluded ? -1 : code);
}

void DimensionCoder::CodeSetRow(const std::vector<ColumnView>& memberViews, int row, std::vector<CodeCount>& out) {
  out.clear();
  if (dimension_.Variable().kind == BreakKind::kDichotomySet) {
    CodeDichotomyMembers(memberViews, row, out);
  } else {
    CodeCategoryMembers(memberViews, row, out);
  }
}

template <class Visit>
void DimensionCoder::ForEachMemberValue(const std::vector<ColumnView>& memberViews, int row, Visit visit) const {
  const std::vector<ColumnInfo>& members = dimension_.Members();
  for (std::size_t m = 0; m < members.size(); ++m) {
    const ColumnInfo& member = members[m];
    if (!member.exists) continue;
    const OBS* cell = memberViews[m].Row(row);
    if (dimension_.Variable().excludeMissing && member.IsMissing(cell)) continue;
    visit(m, member, cell);
  }
}

void DimensionCoder::CodeCategoryMembers(const std::vector<ColumnView>& memberViews, int row,
                                         std::vector<CodeCount>& out) {
  const int cells = coder_.TextCells();
  ForEachMemberValue(memberViews, row, [&](std::size_t, const ColumnInfo& member, const OBS* cell) {
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
  });
}

void DimensionCoder::CodeDichotomyMembers(const std::vector<ColumnView>& memberViews, int row,
                                          std::vector<CodeCount>& out) const {
  ForEachMemberValue(memberViews, row, [&](std::size_t m, const ColumnInfo& member, const OBS* cell) {
    if (dimension_.HoldsCountedValue(member, cell)) out.push_back({static_cast<int>(m), 1});
  });
}

int DimensionCoder::CodesSoFar() const {
  if (dimension_.Variable().kind == BreakKind::kDichotomySet) return static_cast<int>(dimension_.Members().size());
  return coder_.Count();
}

void DimensionCoder::Clear() {
  coder_.Clear();
  mapped_.clear();
  direct_.assign(coder_.TextCells() == 0 && !dimension_.IsSet() ? kDirectHigh - kDirectLow + 1 : 0, kUnseen);
}
