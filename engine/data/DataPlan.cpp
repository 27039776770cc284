#include "engine/data/DataPlan.h"

#include <algorithm>

namespace {

constexpr int kDefaultNumberWidth = 8;
constexpr int kMaxNumberWidth = 40;
constexpr int kMaxDecimals = 16;

// F with the decimals the data showed and room for the longest value.
VEXA_Format NumberFormatFromData(const ColumnStats& stats) {
  int decimals = std::min(stats.maxDecimals, kMaxDecimals);
  int width = std::clamp(std::max(stats.maxLength, decimals + 2), kDefaultNumberWidth, kMaxNumberWidth);
  return PackFormat(kFormatF, width, decimals);
}

VEXA_Format DefaultFormat(FieldKind kind, const ColumnStats& stats) {
  switch (kind) {
    case FieldKind::kDate:
      return PackFormat(kFormatDate, 10, 0);
    case FieldKind::kDateTime:
      return PackFormat(kFormatDateTime, 19, 0);
    case FieldKind::kTime:
      return PackFormat(kFormatTime, 8, 0);
    default:
      return NumberFormatFromData(stats);
  }
}

}  // namespace

VariableDefinition CompletedDefinition(VariablePlan variable, const CsvField& field, const ColumnStats& stats,
                                       int stringWidth) {
  VariableDefinition& definition = variable.definition;
  if (field.kind == FieldKind::kString) {
    definition.width = stringWidth;
    definition.format = PackFormat(kFormatA, definition.width, 0);
    definition.valueLabels.SetWidth(definition.width);
  } else if (!variable.formatGiven) {
    definition.format = DefaultFormat(field.kind, stats);
  }
  return std::move(definition);
}

int UnreadStringWidth(const CsvField& field) {
  return field.declaredWidth > 0 ? field.declaredWidth : std::max(1, field.expectedWidth);
}

std::shared_ptr<CaseData> BuildCaseData(DataPlan plan, CsvColumns columns) {
  auto data = std::make_shared<CaseData>();
  data->caseCount = columns.rows;
  for (std::size_t c = 0; c < plan.variables.size(); ++c) {
    const CsvField& field = plan.table.fields[c];
    bool read = columns.read.empty() || columns.read[c];
    data->dictionary.AddVariable(CompletedDefinition(std::move(plan.variables[c]), field,
                                                     read ? columns.stats[c] : ColumnStats{},
                                                     read ? columns.stringWidths[c] : UnreadStringWidth(field)));
  }
  data->columns = std::move(columns.columns);
  data->dictionary.SetWeight(plan.weight);
  for (int split : plan.splits) data->dictionary.AddSplit(split);
  for (VariableSet& set : plan.sets) data->dictionary.AddSet(std::move(set));
  for (auto& [index, affixes] : plan.currencies) data->dictionary.SetCurrency(index, std::move(affixes));
  return data;
}
