#include "AggregationVariable.h"

#include <algorithm>

#include "AggregationMCSet.h"
#include "AggregationMDSet.h"
#include "engine/aggregation/BreakVariable.h"
#include "engine/aggregation/CategoryDimension.h"

AggregationVariable::Rep::Rep(BreakKind kind, std::vector<int> columns, const char* name)
    : kind(kind), columns(std::move(columns)), name(name ? name : "") {
  dimension = std::make_unique<CategoryDimension>(*this);
}

AggregationVariable::Rep::~Rep() = default;

AggregationVariable::AggregationVariable(int columnIndex, const char* name)
    : rep_(std::make_unique<Rep>(BreakKind::kVariable, std::vector<int>{columnIndex}, name)) {}

AggregationVariable::AggregationVariable(std::unique_ptr<Rep> rep) : rep_(std::move(rep)) {}

AggregationVariable::~AggregationVariable() = default;

const char* AggregationVariable::GetName() const { return rep_->name.c_str(); }

void AggregationVariable::SetExcludeMissing(bool exclude) { rep_->excludeMissing = exclude; }

bool AggregationVariable::GetExcludeMissing() const { return rep_->excludeMissing; }

TableDimension* AggregationVariable::GetTableDimension() { return rep_->dimension.get(); }

AggregationMCSet::AggregationMCSet(const std::vector<int>& memberColumns, const char* name)
    : AggregationVariable(std::make_unique<Rep>(BreakKind::kCategorySet, memberColumns, name)) {}

namespace {

// A counted value of length 8 is one number; any other length counts cells of text.
constexpr int kNumericCountedLength = 8;

}  // namespace

AggregationMDSet::AggregationMDSet(const std::vector<int>& memberColumns, const char* name,
                                   const OBS* countedValue, int countedValueLength, bool)
    : AggregationVariable(std::make_unique<Rep>(BreakKind::kDichotomySet, memberColumns, name)) {
  Rep& rep = *GetRep();
  rep.countedIsNumber = countedValueLength == kNumericCountedLength;
  const int cells = rep.countedIsNumber ? 1 : std::max(countedValueLength, 0);
  if (countedValue != nullptr) rep.countedValue.assign(countedValue, countedValue + cells);
}
