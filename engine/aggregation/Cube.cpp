#include "engine/aggregation/Cube.h"

#include <algorithm>
#include <thread>

#include "engine/aggregation/BreakVariable.h"
#include "engine/aggregation/CategoryDimension.h"

namespace {

// Below this many values in all buckets the results are computed on one thread.
constexpr std::size_t kParallelValues = std::size_t{1} << 20;

}  // namespace

Cube::Cube(bool notListwise, std::function<void()> flushPending) : flushPending_(std::move(flushPending)) {
  layout_.notListwise = notListwise;
}

Cube::~Cube() = default;

void Cube::AddCategoricalVariable(AggregationVariable* variable, int) {
  if (variable == nullptr) return;
  variables_.emplace_back(variable);
  if (!frozen_) layout_.dimensions.push_back(variable->GetRep()->dimension.get());
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
  layout_.weight = catalog.Describe(catalog.WeightColumn());
  layout_.weightSlot = layout_.weight.exists && layout_.weight.textCells == 0 ? SlotOf(layout_.weight) : -1;
  for (CategoryDimension* dimension : layout_.dimensions) {
    dimension->Attach(this);
    dimension->Bind(catalog);
    layout_.hasSets = layout_.hasSets || dimension->IsSet();
    std::vector<int> slots;
    for (const ColumnInfo& member : dimension->Members()) slots.push_back(member.exists ? SlotOf(member) : -1);
    layout_.dimensionSlots.push_back(slots.empty() ? -1 : slots[0]);
    layout_.memberSlots.push_back(std::move(slots));
  }
  for (const AggregationStatistic& statistic : statistics_) PlanStatistic(statistic, catalog);
  for (int p = 0; p < kParts; ++p) parts_.push_back(std::make_unique<CubePart>(layout_));

  std::vector<SlotColumn> slots;
  for (const ColumnInfo& info : layout_.slotInfo) slots.push_back({info.column, std::max(1, info.textCells)});
  return slots;
}

int Cube::SlotOf(const ColumnInfo& info) {
  for (std::size_t s = 0; s < layout_.slotInfo.size(); ++s)
    if (layout_.slotInfo[s].column == info.column) return static_cast<int>(s);
  layout_.slotInfo.push_back(info);
  layout_.valueIndexOfSlot.push_back(-1);
  return static_cast<int>(layout_.slotInfo.size() - 1);
}

int Cube::ChannelFor(ChannelKind kind, int slot, int mask) {
  std::vector<ChannelSpec>& channels = layout_.channels;
  for (std::size_t c = 0; c < channels.size(); ++c)
    if (channels[c].kind == kind && channels[c].slot == slot && channels[c].mask == mask) return static_cast<int>(c);
  channels.push_back(ChannelSpec{kind, slot, mask});
  return static_cast<int>(channels.size() - 1);
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
    if (layout_.valueIndexOfSlot[slot] < 0) {
      layout_.valueIndexOfSlot[slot] = static_cast<int>(layout_.valueSlots.size());
      layout_.valueSlots.push_back(slot);
    }
  }
  const bool notListwise = layout_.notListwise;
  int channel = -1;
  if (kind == ChannelKind::kCount) {
    channel = ChannelFor(kind, -1, !notListwise ? ChannelSpec::kListwise : slot >= 0 ? slot : ChannelSpec::kNoMask);
  } else if (kind != ChannelKind::kNone && slot >= 0 && variable.textCells == 0) {
    channel = ChannelFor(kind, slot, notListwise ? slot : ChannelSpec::kListwise);
    if (kind == ChannelKind::kMoments)
      layout_.channels[channel].momentParts |= MomentPartsOf(statistic.GetSummaryStatistic());
  }
  plans_.push_back(Plan{statistic, channel});
}

void Cube::AddBatch(int part, const CaseBatch& batch) {
  stale_.store(true, std::memory_order_relaxed);
  parts_[part]->AddBatch(batch);
}

void Cube::Finish() {
  if (flushPending_) flushPending_();
  if (!stale_.exchange(false) && finished_) return;
  MergeParts();
  BuildCategories();
  ComputeResults();
  finished_ = true;
}

// Numbers the cells of every part anew by the values of their categories:
// the first part's codes and cells come first, in their order.
void Cube::MergeParts() {
  const int dimensions = static_cast<int>(layout_.dimensions.size());
  values_.assign(dimensions, CategoryCoder());
  if (!parts_.empty())
    for (int d = 0; d < dimensions; ++d) values_[d] = parts_[0]->Coder(d).Values();
  cells_.Reset(dimensions);
  partCells_.clear();
  std::vector<int> codes(dimensions);
  for (int p = 0; p < static_cast<int>(parts_.size()); ++p) {
    const CubePart& part = *parts_[p];
    std::vector<std::vector<int>> translate;
    for (int d = 0; d < dimensions; ++d) translate.push_back(TranslateCodes(part, d));
    for (int cell = 0; cell < part.Cells().CellCount(); ++cell) {
      const int* partCodes = part.Cells().CodesOf(cell);
      for (int d = 0; d < dimensions; ++d) codes[d] = translate[d][partCodes[d]];
      const int merged = cells_.CellOf(codes.data());
      if (static_cast<std::size_t>(merged) * kParts >= partCells_.size())
        partCells_.resize((static_cast<std::size_t>(merged) + 1) * kParts, -1);
      partCells_[static_cast<std::size_t>(merged) * kParts + p] = cell;
    }
  }
}

// A part's codes of one dimension as merged codes.
std::vector<int> Cube::TranslateCodes(const CubePart& part, int dimension) {
  const DimensionCoder& coder = part.Coder(dimension);
  std::vector<int> merged(coder.CodesSoFar());
  const bool same = &part == parts_[0].get() || layout_.dimensions[dimension]->Variable().kind == BreakKind::kDichotomySet;
  for (int code = 0; code < static_cast<int>(merged.size()); ++code)
    merged[code] = same ? code : values_[dimension].Recode(coder.Values(), code);
  return merged;
}

int Cube::MergedCodeCount(int dimension) const {
  const CategoryDimension& category = *layout_.dimensions[dimension];
  if (category.Variable().kind == BreakKind::kDichotomySet) return static_cast<int>(category.Members().size());
  return values_[dimension].Count();
}

void Cube::BuildCategories() {
  const int cellCount = cells_.CellCount();
  for (std::size_t d = 0; d < layout_.dimensions.size(); ++d) {
    std::vector<std::uint8_t> used(MergedCodeCount(static_cast<int>(d)), 0);
    for (int cell = 0; cell < cellCount; ++cell) used[cells_.CodesOf(cell)[d]] = 1;
    layout_.dimensions[d]->BuildCategories(used, values_[d]);
  }
}

void Cube::ComputeResults() {
  const int cellCount = cells_.CellCount();
  std::vector<double> allResponses(layout_.channels.size(), 0);
  std::size_t values = 0;
  for (const std::unique_ptr<CubePart>& part : parts_) {
    for (std::size_t c = 0; c < layout_.channels.size(); ++c) {
      for (const CountSums& sums : part->Sums(static_cast<int>(c)).counts) allResponses[c] += sums.responses;
      values += part->Sums(static_cast<int>(c)).values.TotalCount();
    }
  }
  results_.assign(cellCount, StatValues({}));
  auto compute = [&](int first, int last) {
    for (int cell = first; cell < last; ++cell) results_[cell] = CellResults(cell, allResponses);
  };
  const int threads =
      values < kParallelValues ? 1 : static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t)
    workers.emplace_back(compute, cellCount * t / threads, cellCount * (t + 1) / threads);
  compute(0, cellCount / threads);
  for (std::thread& worker : workers) worker.join();
}

StatValues Cube::CellResults(int cell, const std::vector<double>& allResponses) const {
  std::vector<AggregationResult> results;
  results.reserve(plans_.size());
  for (const Plan& plan : plans_) {
    if (plan.channel < 0) {
      results.emplace_back();
    } else {
      results.push_back(ChannelResult(plan.statistic, plan.channel, cell, allResponses[plan.channel]));
    }
  }
  return StatValues(std::move(results));
}

// One statistic of a merged cell from what its parts hold.
AggregationResult Cube::ChannelResult(const AggregationStatistic& statistic, int channel, int cell,
                                      double allResponses) const {
  const int* partCells = &partCells_[static_cast<std::size_t>(cell) * kParts];
  switch (layout_.channels[channel].kind) {
    case ChannelKind::kCount: {
      CountSums sums;
      for (int p = 0; p < kParts; ++p)
        if (partCells[p] >= 0) sums.Merge(parts_[p]->Sums(channel).counts[partCells[p]]);
      return CountResult(statistic, sums, allResponses);
    }
    case ChannelKind::kMoments: {
      Moments moments;
      for (int p = 0; p < kParts; ++p)
        if (partCells[p] >= 0) moments.Merge(parts_[p]->Sums(channel).moments[partCells[p]]);
      return MomentResult(statistic, moments);
    }
    default: {
      thread_local ValueBucket bucket;
      bucket.values.clear();
      bucket.weights.clear();
      for (int p = 0; p < kParts; ++p)
        if (partCells[p] >= 0) parts_[p]->Sums(channel).values.Gather(partCells[p], bucket);
      return ValueResult(statistic, bucket);
    }
  }
}

const StatValues* Cube::GetStatValues(const std::vector<const AggregationCategory*>& path, int) {
  Finish();
  if (path.size() != layout_.dimensions.size()) return nullptr;
  std::vector<int> codes(path.size());
  for (std::size_t d = 0; d < path.size(); ++d) {
    if (path[d] == nullptr || !layout_.dimensions[d]->Owns(path[d])) return nullptr;
    codes[d] = path[d]->GetCode();
  }
  const int cell = cells_.FindCell(codes.data());
  return cell < 0 ? nullptr : &results_[cell];
}

std::vector<int> Cube::GetFilledCellPaths() {
  Finish();
  const std::size_t dimensions = layout_.dimensions.size();
  std::vector<std::vector<int>> positionOfCode(dimensions);
  for (std::size_t d = 0; d < dimensions; ++d) {
    const auto& categories = layout_.dimensions[d]->GetCategories();
    positionOfCode[d].assign(MergedCodeCount(static_cast<int>(d)), -1);
    for (std::size_t k = 0; k < categories.size(); ++k) positionOfCode[d][categories[k].GetCode()] = static_cast<int>(k);
  }
  const int cellCount = cells_.CellCount();
  std::vector<int> rows(static_cast<std::size_t>(cellCount) * dimensions);
  for (int cell = 0; cell < cellCount; ++cell)
    for (std::size_t d = 0; d < dimensions; ++d)
      rows[cell * dimensions + d] = positionOfCode[d][cells_.CodesOf(cell)[d]];
  std::vector<int> order(cellCount);
  for (int cell = 0; cell < cellCount; ++cell) order[cell] = cell;
  const auto rowOf = [&](int cell) { return rows.begin() + static_cast<std::ptrdiff_t>(cell * dimensions); };
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return std::lexicographical_compare(rowOf(a), rowOf(a) + dimensions, rowOf(b), rowOf(b) + dimensions);
  });
  std::vector<int> paths;
  paths.reserve(rows.size());
  for (int cell : order) paths.insert(paths.end(), rowOf(cell), rowOf(cell) + dimensions);
  return paths;
}

void Cube::Clear() {
  for (CategoryDimension* dimension : layout_.dimensions) dimension->Clear();
  for (std::unique_ptr<CubePart>& part : parts_) part->Clear();
  stale_ = false;
  finished_ = false;
  values_.clear();
  cells_.Reset(static_cast<int>(layout_.dimensions.size()));
  partCells_.clear();
  results_.clear();
}
