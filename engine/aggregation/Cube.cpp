#include "engine/aggregation/Cube.h"

#include <algorithm>
#include <thread>

#include "engine/aggregation/BreakVariable.h"
#include "engine/aggregation/CategoryDimension.h"

namespace {

constexpr int kRows = CaseBatch::kRows;
// Below this many values in all buckets the results are computed on one thread.
constexpr std::size_t kParallelValues = std::size_t{1} << 20;

}  // namespace

Cube::Cube(bool notListwise, std::function<void()> flushPending)
    : notListwise_(notListwise), flushPending_(std::move(flushPending)) {}

Cube::~Cube() = default;

void Cube::AddCategoricalVariable(AggregationVariable* variable, int) {
  if (variable == nullptr) return;
  variables_.emplace_back(variable);
  if (!frozen_) dimensions_.push_back(variable->GetRep()->dimension.get());
}

void Cube::AddScaleStatistics(const std::vector<AggregationStatistic>& statistics) {
  if (!frozen_) statistics_.insert(statistics_.end(), statistics.begin(), statistics.end());
}

void Cube::AddCategoryStatistics(const std::vector<AggregationStatistic>& statistics,
                                 AggregationVariable*) {
  AddScaleStatistics(statistics);
}

CubeAggregator* Cube::CreateCubeAggregator() {
  hasAggregator_ = true;
  return this;
}

std::vector<SlotColumn> Cube::Freeze(const ColumnCatalog& catalog) {
  frozen_ = true;
  weight_ = catalog.Describe(catalog.WeightColumn());
  weightSlot_ = weight_.exists && weight_.textCells == 0 ? SlotOf(weight_) : -1;
  for (CategoryDimension* dimension : dimensions_) {
    dimension->Attach(this);
    dimension->Bind(catalog);
    hasSets_ = hasSets_ || dimension->IsSet();
    std::vector<int> slots;
    for (const ColumnInfo& member : dimension->Members())
      slots.push_back(member.exists ? SlotOf(member) : -1);
    dimensionSlots_.push_back(slots.empty() ? -1 : slots[0]);
    memberSlots_.push_back(std::move(slots));
  }
  for (const AggregationStatistic& statistic : statistics_) PlanStatistic(statistic, catalog);

  weights_.assign(kRows, 1.0);
  keep_.assign(kRows, 1);
  codes_.assign(static_cast<std::size_t>(kRows) * dimensions_.size(), -1);
  x_.assign(static_cast<std::size_t>(kRows) * valueSlots_.size(), 0);
  valid_.assign(static_cast<std::size_t>(kRows) * valueSlots_.size(), 1);
  validAll_.assign(kRows, 1);
  cellOfRow_.assign(kRows, -1);
  setCodes_.resize(dimensions_.size());
  cells_.Reset(static_cast<int>(dimensions_.size()));

  std::vector<SlotColumn> slots;
  for (const ColumnInfo& info : slotInfo_) slots.push_back({info.column, std::max(1, info.textCells)});
  return slots;
}

int Cube::SlotOf(const ColumnInfo& info) {
  for (std::size_t s = 0; s < slotInfo_.size(); ++s)
    if (slotInfo_[s].column == info.column) return static_cast<int>(s);
  slotInfo_.push_back(info);
  valueIndexOfSlot_.push_back(-1);
  return static_cast<int>(slotInfo_.size() - 1);
}

int Cube::ChannelFor(ChannelKind kind, int slot, int mask) {
  for (std::size_t c = 0; c < channels_.size(); ++c)
    if (channels_[c].kind == kind && channels_[c].slot == slot && channels_[c].mask == mask)
      return static_cast<int>(c);
  channels_.push_back(Channel{kind, slot, mask, {}, {}, ValueStore(weightSlot_ >= 0)});
  return static_cast<int>(channels_.size() - 1);
}

// A statistic's variable takes part in the valid-case tests; a count reads
// no value, any other channel a numeric variable.
void Cube::PlanStatistic(const AggregationStatistic& statistic, const ColumnCatalog& catalog) {
  const ChannelKind kind = ChannelOf(statistic.GetSummaryStatistic());
  const int column = statistic.GetVarIndex();
  const ColumnInfo variable = column >= 0 ? catalog.Describe(column) : ColumnInfo{};
  int slot = -1;
  if (variable.exists) {
    slot = SlotOf(variable);
    if (valueIndexOfSlot_[slot] < 0) {
      valueIndexOfSlot_[slot] = static_cast<int>(valueSlots_.size());
      valueSlots_.push_back(slot);
    }
  }
  int channel = -1;
  if (kind == ChannelKind::kCount) {
    channel = ChannelFor(kind, -1, !notListwise_ ? kListwise : slot >= 0 ? slot : kNoMask);
  } else if (kind != ChannelKind::kNone && slot >= 0 && variable.textCells == 0) {
    channel = ChannelFor(kind, slot, notListwise_ ? slot : kListwise);
  }
  plans_.push_back(Plan{statistic, channel});
}

void Cube::AddBatch(const CaseBatch& batch) {
  finished_ = false;
  rows_ = batch.rows;
  ReadWeights(batch);
  BuildEntries(batch);
  ReadStatisticValues(batch);
  for (Channel& channel : channels_) Accumulate(channel);
}

// A case whose weight is zero, negative or missing is left out.
void Cube::ReadWeights(const CaseBatch& batch) {
  if (weightSlot_ < 0) return;
  const ColumnView& view = batch.slots[weightSlot_];
  for (int i = 0; i < batch.rows; ++i) {
    const OBS* cell = view.Row(i);
    const double w = cell->number;
    const bool keep = w > 0 && w != kSysMiss && !(weight_.userMissing && weight_.IsMissing(cell));
    keep_[i] = keep;
    weights_[i] = keep ? w : 0;
  }
}

void Cube::BuildEntries(const CaseBatch& batch) {
  const int n = batch.rows;
  const int dimensions = static_cast<int>(dimensions_.size());
  for (int d = 0; d < dimensions; ++d) {
    if (dimensions_[d]->IsSet()) continue;
    const int slot = dimensionSlots_[d];
    int* codes = &codes_[static_cast<std::size_t>(d) * kRows];
    if (slot < 0) {
      std::fill(codes, codes + n, -1);
    } else {
      dimensions_[d]->CodeRows(batch.slots[slot], n, keep_.data(), codes);
    }
  }
  if (hasSets_) {
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

// With set dimensions a case may enter several cells: one entry each.
void Cube::BuildAllEntries(const CaseBatch& batch) {
  const int dimensions = static_cast<int>(dimensions_.size());
  entryRows_.clear();
  entryCells_.clear();
  entryResponses_.clear();
  std::vector<int> tuple(static_cast<std::size_t>(dimensions) + 1);
  for (int i = 0; i < batch.rows; ++i) {
    if (!keep_[i]) continue;
    bool enters = true;
    for (int d = 0; d < dimensions && enters; ++d) {
      if (dimensions_[d]->IsSet()) continue;
      tuple[d] = codes_[static_cast<std::size_t>(d) * kRows + i];
      enters = tuple[d] >= 0;
    }
    if (enters) BuildSetEntries(batch, i, tuple.data());
  }
}

// One entry per combination of the categories the case enters in its set
// dimensions; its responses multiply the members holding each category in
// the dimensions that count duplicates.
void Cube::BuildSetEntries(const CaseBatch& batch, int row, int* tuple) {
  const int dimensions = static_cast<int>(dimensions_.size());
  for (int d = 0; d < dimensions; ++d) {
    if (!dimensions_[d]->IsSet()) continue;
    memberViews_.clear();
    for (int slot : memberSlots_[d]) memberViews_.push_back(slot >= 0 ? batch.slots[slot] : ColumnView{});
    dimensions_[d]->CodeSetRow(memberViews_, row, setCodes_[d]);
    if (setCodes_[d].empty()) return;
  }
  std::vector<std::size_t> position(dimensions, 0);
  for (;;) {
    double responses = weights_[row];
    for (int d = 0; d < dimensions; ++d) {
      if (!dimensions_[d]->IsSet()) continue;
      const CodeCount& c = setCodes_[d][position[d]];
      tuple[d] = c.code;
      if (dimensions_[d]->GetComputingCounts()) responses *= c.members;
    }
    entryRows_.push_back(row);
    entryCells_.push_back(cells_.CellOf(tuple));
    entryResponses_.push_back(responses);
    int d = dimensions - 1;
    for (; d >= 0; --d) {
      if (!dimensions_[d]->IsSet()) continue;
      if (++position[d] < setCodes_[d].size()) break;
      position[d] = 0;
    }
    if (d < 0) return;
  }
}

void Cube::ReadStatisticValues(const CaseBatch& batch) {
  const int n = batch.rows;
  if (!notListwise_) std::fill(validAll_.begin(), validAll_.begin() + n, 1);
  for (std::size_t k = 0; k < valueSlots_.size(); ++k) {
    const ColumnInfo& info = slotInfo_[valueSlots_[k]];
    const ColumnView& view = batch.slots[valueSlots_[k]];
    double* x = &x_[k * kRows];
    std::uint8_t* valid = &valid_[k * kRows];
    if (info.textCells == 0 && !info.userMissing && view.stride == 1) {
      for (int i = 0; i < n; ++i) {
        const double v = view.cells[i].number;
        x[i] = v;
        valid[i] = v != kSysMiss && v == v;
      }
    } else {
      for (int i = 0; i < n; ++i) {
        const OBS* cell = view.Row(i);
        x[i] = info.textCells == 0 ? cell->number : 0;
        valid[i] = !info.IsMissing(cell);
      }
    }
    if (!notListwise_)
      for (int i = 0; i < n; ++i) validAll_[i] &= valid[i];
  }
}

template <class Visit>
void Cube::ForEachEntry(const std::uint8_t* mask, Visit visit) const {
  if (!hasSets_) {
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

void Cube::Accumulate(Channel& channel) {
  const std::size_t cellCount = static_cast<std::size_t>(cells_.CellCount());
  const std::uint8_t* mask = channel.mask == kNoMask    ? nullptr
                             : channel.mask == kListwise ? validAll_.data()
                                                         : &valid_[valueIndexOfSlot_[channel.mask] * kRows];
  const double* x = channel.slot >= 0 ? &x_[valueIndexOfSlot_[channel.slot] * kRows] : nullptr;
  const double* w = weights_.data();
  switch (channel.kind) {
    case ChannelKind::kCount: {
      if (channel.counts.size() < cellCount) channel.counts.resize(cellCount);
      CountSums* sums = channel.counts.data();
      ForEachEntry(mask, [&](int i, int cell, double responses) {
        sums[cell].cases += w[i];
        sums[cell].responses += responses;
      });
      break;
    }
    case ChannelKind::kMoments: {
      if (channel.moments.size() < cellCount) channel.moments.resize(cellCount);
      Moments* moments = channel.moments.data();
      ForEachEntry(mask, [&](int i, int cell, double) { moments[cell].Add(x[i], w[i]); });
      break;
    }
    case ChannelKind::kValues: {
      ValueStore& store = channel.values;
      store.EnsureCells(cellCount);
      ForEachEntry(mask, [&](int i, int cell, double) { store.Add(cell, x[i], w[i]); });
      break;
    }
    case ChannelKind::kNone:
      break;
  }
}

void Cube::Finish() {
  if (finished_) return;
  if (flushPending_) flushPending_();
  BuildCategories();
  ComputeResults();
  finished_ = true;
}

void Cube::BuildCategories() {
  const int cellCount = cells_.CellCount();
  for (std::size_t d = 0; d < dimensions_.size(); ++d) {
    std::vector<std::uint8_t> used(dimensions_[d]->CodeCountSoFar(), 0);
    for (int cell = 0; cell < cellCount; ++cell) used[cells_.CodesOf(cell)[d]] = 1;
    dimensions_[d]->BuildCategories(used);
  }
}

void Cube::ComputeResults() {
  const int cellCount = cells_.CellCount();
  std::vector<double> allResponses(channels_.size(), 0);
  std::size_t values = 0;
  for (std::size_t c = 0; c < channels_.size(); ++c) {
    for (const CountSums& sums : channels_[c].counts) allResponses[c] += sums.responses;
    values += channels_[c].values.TotalCount();
  }
  results_.assign(cellCount, StatValues({}));
  auto compute = [&](int first, int last) {
    for (int cell = first; cell < last; ++cell) results_[cell] = CellResults(cell, allResponses);
  };
  const int threads = values < kParallelValues ? 1 : static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t)
    workers.emplace_back(compute, cellCount * t / threads, cellCount * (t + 1) / threads);
  compute(0, cellCount / threads);
  for (std::thread& worker : workers) worker.join();
}

StatValues Cube::CellResults(int cell, const std::vector<double>& allResponses) {
  std::vector<AggregationResult> results;
  results.reserve(plans_.size());
  for (const Plan& plan : plans_) {
    if (plan.channel < 0) {
      results.emplace_back();
      continue;
    }
    Channel& channel = channels_[plan.channel];
    switch (channel.kind) {
      case ChannelKind::kCount:
        results.push_back(CountResult(plan.statistic, channel.counts[cell], allResponses[plan.channel]));
        break;
      case ChannelKind::kMoments:
        results.push_back(MomentResult(plan.statistic, channel.moments[cell]));
        break;
      default: {
        thread_local ValueBucket bucket;
        channel.values.Gather(cell, bucket);
        results.push_back(ValueResult(plan.statistic, bucket));
        break;
      }
    }
  }
  return StatValues(std::move(results));
}

const StatValues* Cube::GetStatValues(const std::vector<const AggregationCategory*>& path, int) {
  Finish();
  if (path.size() != dimensions_.size()) return nullptr;
  std::vector<int> codes(path.size());
  for (std::size_t d = 0; d < path.size(); ++d) {
    if (path[d] == nullptr || !dimensions_[d]->Owns(path[d])) return nullptr;
    codes[d] = path[d]->GetCode();
  }
  const int cell = cells_.FindCell(codes.data());
  return cell < 0 ? nullptr : &results_[cell];
}

void Cube::Clear() {
  for (CategoryDimension* dimension : dimensions_) dimension->Clear();
  cells_.Reset(static_cast<int>(dimensions_.size()));
  for (Channel& channel : channels_) {
    channel.counts.clear();
    channel.moments.clear();
    channel.values.Clear();
  }
  results_.clear();
  finished_ = false;
}
