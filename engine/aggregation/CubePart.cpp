#include "engine/aggregation/CubePart.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/aggregation/CategoryDimension.h"

namespace {

constexpr int kRows = CaseBatch::kRows;

bool IsValidNumber(double v) { return v != kSysMiss && v == v; }

// valid[i] = 1 for a number that is neither system-missing nor NaN. The
// compiler does not vectorise a byte per double compare, so eight rows at a
// time by hand where the basic vector instructions exist.
void MarkValidNumbers(const OBS* cells, int first, int end, std::uint8_t* valid) {
  int i = first;
#if defined(__SSE2__)
  const __m128d missing = _mm_set1_pd(kSysMiss);
  for (; i + 8 <= end; i += 8) {
    std::uint64_t bytes = 0;
    for (int k = 0; k < 8; k += 2) {
      const __m128d v = _mm_loadu_pd(&cells[i + k].number);
      const int bits = _mm_movemask_pd(_mm_and_pd(_mm_cmpneq_pd(v, missing), _mm_cmpord_pd(v, v)));
      bytes |= static_cast<std::uint64_t>((bits & 1) | (bits & 2) << 7) << (8 * k);
    }
    std::memcpy(valid + i, &bytes, sizeof bytes);  // bytes in memory order: little-endian
  }
#endif
  for (; i < end; ++i) valid[i] = IsValidNumber(cells[i].number);
}

}  // namespace

CubePart::CubePart(const CubeLayout& layout) : layout_(layout) {
  for (const CategoryDimension* dimension : layout.dimensions) coders_.emplace_back(*dimension);
  for (std::size_t c = 0; c < layout.channels.size(); ++c) sums_.emplace_back(layout.weightSlot >= 0);
  cells_.Reset(static_cast<int>(layout.dimensions.size()));
}

void CubePart::AllocateBuffers() {
  const std::size_t dimensions = layout_.dimensions.size(), values = layout_.valueSlots.size();
  weights_.assign(kRows, 1.0);
  keep_.assign(kRows, 1);
  codes_.assign(kRows * dimensions, -1);
  slots_.assign(kRows * std::min<std::size_t>(dimensions, 2), 0);
  x_.assign(kRows * values, 0);
  values_.assign(values, nullptr);
  valid_.assign(kRows * values, 1);
  validAll_.assign(kRows, 1);
  cellOfRow_.assign(kRows, -1);
  setCodes_.resize(dimensions);
}

void CubePart::AddBatch(const CaseBatch& batch) {
  if (weights_.empty()) AllocateBuffers();
  rows_ = batch.rows;
  ReadWeights(batch);
  BuildEntries(batch);
  ReadStatisticValues(batch);
  for (std::size_t c = 0; c < sums_.size(); ++c) Accumulate(layout_.channels[c], sums_[c]);
}

// A case whose weight is zero, negative or missing is left out.
void CubePart::ReadWeights(const CaseBatch& batch) {
  if (layout_.weightSlot < 0) return;
  const ColumnView& view = batch.slots[layout_.weightSlot];
  const ColumnInfo& weight = layout_.weight;
  std::uint8_t* keeps = keep_.data();  // locals: byte stores could alias the vectors
  double* weights = weights_.data();
  for (int i = 0; i < batch.rows; ++i) {
    const OBS* cell = view.Row(i);
    const double w = cell->number;
    const bool keep = w > 0 && w != kSysMiss && !(weight.userMissing && weight.IsMissing(cell));
    keeps[i] = keep;
    weights[i] = keep ? w : 0;
  }
}

void CubePart::BuildEntries(const CaseBatch& batch) {
  if (BuildDirectCells(batch)) return;
  const int n = batch.rows;
  const int dimensions = static_cast<int>(layout_.dimensions.size());
  for (int d = 0; d < dimensions; ++d) {
    if (layout_.dimensions[d]->IsSet()) continue;
    const int slot = layout_.dimensionSlots[d];
    int* codes = &codes_[static_cast<std::size_t>(d) * kRows];
    if (slot < 0) {
      std::fill(codes, codes + n, -1);
    } else {
      coders_[d].CodeRows(batch.slots[slot], n, layout_.weightSlot >= 0 ? keep_.data() : nullptr, codes);
    }
  }
  if (layout_.hasSets) {
    BuildAllEntries(batch);
    return;
  }
  int* cells = cellOfRow_.data();
  const int* first = codes_.data();
  switch (dimensions) {
    case 0:
      for (int i = 0; i < n; ++i) cells[i] = keep_[i] ? cells_.CellOf(nullptr) : -1;
      break;
    case 1:
      for (int i = 0; i < n; ++i) cells[i] = first[i] < 0 ? -1 : cells_.CellOf(&first[i]);
      break;
    case 2: {
      const int* second = first + kRows;
      for (int i = 0; i < n; ++i)
        cells[i] = (first[i] | second[i]) < 0 ? -1 : cells_.CellOf(first[i], second[i]);
      break;
    }
    default: {
      std::vector<int> tuple(dimensions);
      for (int i = 0; i < n; ++i) {
        cells[i] = -1;
        int d = 0;
        for (; d < dimensions && (tuple[d] = first[static_cast<std::size_t>(d) * kRows + i]) >= 0; ++d) {}
        if (d == dimensions) cells[i] = cells_.CellOf(tuple.data());
      }
    }
  }
}

// One or two numeric break variables, the usual chart: the cell of a row
// whose values the direct table knows in one lookup; the others the long way.
bool CubePart::BuildDirectCells(const CaseBatch& batch) {
  const std::size_t dimensions = layout_.dimensions.size();
  if (layout_.hasSets || dimensions < 1 || dimensions > 2) return false;
  const OBS* values[2] = {};
  for (std::size_t d = 0; d < dimensions; ++d) {
    const int slot = layout_.dimensionSlots[d];
    if (slot < 0 || !coders_[d].CodesDirectly(batch.slots[slot])) return false;
    values[d] = batch.slots[slot].cells;
  }
  for (std::size_t d = 0; d < dimensions; ++d) coders_[d].FindSlots(values[d], batch.rows, &slots_[d * kRows]);
  const int* first = slots_.data();
  const int* second = dimensions == 2 ? first + kRows : nullptr;
  int* cells = cellOfRow_.data();
  directCells_.Lookup(first, second, batch.rows, cells);
  const std::uint8_t* keep = layout_.weightSlot >= 0 ? keep_.data() : nullptr;
  for (int i = 0; i < batch.rows; ++i) {
    if (cells[i] != DirectCells::kAsk) continue;
    int codes[2] = {coders_[0].CodeOfSlot(first[i], &values[0][i]), 0};
    if (second) codes[1] = coders_[1].CodeOfSlot(second[i], &values[1][i]);
    const bool leftOut = (codes[0] | codes[1]) < 0;
    if (leftOut || keep == nullptr || keep[i]) {
      // A cell only for a case that enters it: a pair of values met only
      // in cases without weight makes none.
      cells[i] = leftOut ? -1 : second ? cells_.CellOf(codes[0], codes[1]) : cells_.CellOf(codes);
      directCells_.Remember(first[i], second ? second[i] : 1, cells[i]);
    }
  }
  directCells_.Widen();
  if (keep != nullptr)
    for (int i = 0; i < batch.rows; ++i) cells[i] = keep[i] ? cells[i] : -1;
  return true;
}

// With set dimensions a case may enter several cells: one entry each.
void CubePart::BuildAllEntries(const CaseBatch& batch) {
  const int dimensions = static_cast<int>(layout_.dimensions.size());
  entryRows_.clear();
  entryCells_.clear();
  entryResponses_.clear();
  std::vector<int> tuple(static_cast<std::size_t>(dimensions) + 1);
  for (int i = 0; i < batch.rows; ++i) {
    if (!keep_[i]) continue;
    bool enters = true;
    for (int d = 0; d < dimensions && enters; ++d) {
      if (layout_.dimensions[d]->IsSet()) continue;
      tuple[d] = codes_[static_cast<std::size_t>(d) * kRows + i];
      enters = tuple[d] >= 0;
    }
    if (enters) BuildSetEntries(batch, i, tuple.data());
  }
}

// One entry per combination of the categories the case enters in its set
// dimensions; its responses multiply the members holding each category in
// the dimensions that count duplicates.
void CubePart::BuildSetEntries(const CaseBatch& batch, int row, int* tuple) {
  const int dimensions = static_cast<int>(layout_.dimensions.size());
  for (int d = 0; d < dimensions; ++d) {
    if (!layout_.dimensions[d]->IsSet()) continue;
    memberViews_.clear();
    for (int slot : layout_.memberSlots[d]) memberViews_.push_back(slot >= 0 ? batch.slots[slot] : ColumnView{});
    coders_[d].CodeSetRow(memberViews_, row, setCodes_[d]);
    if (setCodes_[d].empty()) return;
  }
  std::vector<std::size_t> position(dimensions, 0);
  for (;;) {
    double responses = weights_[row];
    for (int d = 0; d < dimensions; ++d) {
      if (!layout_.dimensions[d]->IsSet()) continue;
      const CodeCount& c = setCodes_[d][position[d]];
      tuple[d] = c.code;
      if (layout_.dimensions[d]->GetComputingCounts()) responses *= c.members;
    }
    entryRows_.push_back(row);
    entryCells_.push_back(cells_.CellOf(tuple));
    entryResponses_.push_back(responses);
    int d = dimensions - 1;
    for (; d >= 0; --d) {
      if (!layout_.dimensions[d]->IsSet()) continue;
      if (++position[d] < setCodes_[d].size()) break;
      position[d] = 0;
    }
    if (d < 0) return;
  }
}

void CubePart::ReadStatisticValues(const CaseBatch& batch) {
  const int n = batch.rows;
  std::uint8_t* validAll = validAll_.data();  // a local: byte stores could alias the vector
  if (!layout_.notListwise) std::fill(validAll, validAll + n, 1);
  for (std::size_t k = 0; k < layout_.valueSlots.size(); ++k) {
    const ColumnInfo& info = layout_.slotInfo[layout_.valueSlots[k]];
    const ColumnView& view = batch.slots[layout_.valueSlots[k]];
    double* x = &x_[k * kRows];
    std::uint8_t* valid = &valid_[k * kRows];
    values_[k] = x;
    if (info.textCells == 0 && !info.userMissing && view.stride == 1) {  // numbers as they stand
      static_assert(sizeof(OBS) == sizeof(double));
      values_[k] = &view.cells[0].number;
      StreamRows(view.cells, n, [&](int first, int end) { MarkValidNumbers(view.cells, first, end, valid); });
    } else {
      for (int i = 0; i < n; ++i) {
        const OBS* cell = view.Row(i);
        x[i] = info.textCells == 0 ? cell->number : 0;
        valid[i] = !info.IsMissing(cell);
      }
    }
    if (!layout_.notListwise)
      for (int i = 0; i < n; ++i) validAll[i] &= valid[i];
  }
}

template <class Visit>
void CubePart::ForEachEntry(const std::uint8_t* mask, Visit visit) const {
  if (!layout_.hasSets) {
    for (int i = 0; i < rows_; ++i) {
      const int cell = cellOfRow_[i];
      if (cell >= 0 && (mask == nullptr || mask[i])) visit(i, cell, weights_[i]);
    }
    return;
  }
  for (std::size_t e = 0; e < entryRows_.size(); ++e) {
    const int i = entryRows_[e];
    if (mask == nullptr || mask[i]) visit(i, entryCells_[e], entryResponses_[e]);
  }
}

void CubePart::Accumulate(const ChannelSpec& spec, ChannelSums& sums) {
  const std::size_t cellCount = static_cast<std::size_t>(cells_.CellCount());
  const std::uint8_t* mask = spec.mask == ChannelSpec::kNoMask    ? nullptr
                             : spec.mask == ChannelSpec::kListwise ? validAll_.data()
                                                                   : &valid_[layout_.valueIndexOfSlot[spec.mask] * kRows];
  const double* x = spec.slot >= 0 ? values_[layout_.valueIndexOfSlot[spec.slot]] : nullptr;
  const double* w = weights_.data();
  switch (spec.kind) {
    case ChannelKind::kCount: {
      if (sums.counts.size() < cellCount) sums.counts.resize(cellCount);
      CountSums* counts = sums.counts.data();
      ForEachEntry(mask, [&](int i, int cell, double responses) {
        counts[cell].cases += w[i];
        counts[cell].responses += responses;
      });
      break;
    }
    case ChannelKind::kMoments: {
      const unsigned parts = spec.momentParts;
      if (sums.moments.size() < cellCount)
        sums.moments.resize(cellCount);
      Moments* moments = sums.moments.data();
      if (parts & kMomentExtremes) {
        ForEachEntry(mask, [&](int i, int cell, double) { moments[cell].Add(x[i], w[i]); });
      } else if (parts & kMomentSquares) {
        ForEachEntry(mask, [&](int i, int cell, double) { moments[cell].AddSums(x[i], w[i]); });
      } else {
        ForEachEntry(mask, [&](int i, int cell, double) { moments[cell].AddSum(x[i], w[i]); });
      }
      break;
    }
    case ChannelKind::kValues: {
      ValueStore& store = sums.values;
      store.EnsureCells(cellCount);
      ForEachEntry(mask, [&](int i, int cell, double) { store.Add(cell, x[i], w[i]); });
      break;
    }
    case ChannelKind::kNone:
      break;
  }
}

void CubePart::Clear() {
  for (DimensionCoder& coder : coders_) coder.Clear();
  directCells_.Clear();
  cells_.Reset(static_cast<int>(layout_.dimensions.size()));
  for (ChannelSums& sums : sums_) {
    sums.counts.clear();
    sums.moments.clear();
    sums.values.Clear();
  }
}
