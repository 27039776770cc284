#include "engine/data/PlainCsvPlan.h"

#include <algorithm>
#include <unordered_map>

#include "engine/data/CellParsers.h"
#include "engine/data/CsvFieldScanner.h"
#include "engine/data/VariableNames.h"

namespace {

constexpr std::size_t kSampleBytes = 1 << 20;
constexpr int kSampleRows = 1000;
const std::vector<std::string> kNumericNullTexts = {"NA"};

bool IsNumberCell(std::string_view text) {
  double value;
  int decimals;
  return text.empty() || text == "NA" || ParseNumberText(text, &value, &decimals);
}

// What the first rows show of each column.
struct ColumnSample {
  bool text = false;  // holds text other than numbers
  int longest = 0;
};

std::vector<ColumnSample> SampleColumns(const FileReader& file, const CsvHeader& header, const CsvDialect& dialect,
                                        std::size_t columns) {
  std::vector<ColumnSample> text(columns);
  std::vector<char> sample;
  std::size_t size = std::min(kSampleBytes, header.dataEnd - header.dataStart);
  if (size == 0 || !file.Read(header.dataStart, size, sample)) return text;
  CsvFieldScanner scanner(sample.data(), sample.data() + size, dialect.delimiter, dialect.quote, 1);
  for (int row = 0; row < kSampleRows && !scanner.AtEnd(); ++row) {
    std::size_t c = 0;
    CsvFieldScanner::Stop stop;
    do {
      std::string_view cell;
      stop = scanner.Next(&cell);
      if (stop == CsvFieldScanner::Stop::kError) return text;
      if (c < columns) {
        text[c].text = text[c].text || !IsNumberCell(cell);
        text[c].longest = std::max(text[c].longest, static_cast<int>(cell.size()));
      }
      ++c;
    } while (stop == CsvFieldScanner::Stop::kDelimiter);
  }
  return text;
}

void SetKind(VariablePlan& variable, CsvField& field, FieldKind kind) {
  field.kind = kind;
  bool isString = kind == FieldKind::kString;
  field.nullTexts = isString ? std::vector<std::string>{} : kNumericNullTexts;
  variable.definition.width = isString ? kMaxStringWidth : 0;
  variable.definition.valueLabels = ValueLabelTable(variable.definition.width);
  variable.definition.level = isString ? kLevelNominal : kLevelScale;
}

}  // namespace

bool PlanPlainCsv(const FileReader& file, const CsvHeader& header, DataPlan* plan, DataProblems& problems) {
  const std::string& shown = plan->table.shownName;
  std::unordered_map<std::string, std::size_t> columnsByName;
  for (std::size_t c = 0; c < header.names.size(); ++c) {
    const std::string& name = header.names[c];
    std::string where = DataProblems::Where(shown, 1, static_cast<long>(c) + 1);
    if (!IsValidVariableName(name)) {
      problems.Error(where, "'" + name + "' is not a valid variable name");
      continue;
    }
    auto [same, added] = columnsByName.try_emplace(NameKey(name), c);
    if (!added)
      problems.Error(where, "the variable name '" + name + "' is used twice (also column " +
                                std::to_string(same->second + 1) + ")");
  }
  if (problems.HasErrors()) return false;
  std::vector<ColumnSample> samples = SampleColumns(file, header, plan->table.dialect, header.names.size());
  for (std::size_t c = 0; c < header.names.size(); ++c) {
    VariablePlan variable;
    CsvField field;
    variable.definition.name = field.name = header.names[c];
    SetKind(variable, field, samples[c].text ? FieldKind::kString : FieldKind::kNumber);
    field.expectedWidth = std::min(samples[c].longest, kMaxStringWidth);
    plan->variables.push_back(std::move(variable));
    plan->table.fields.push_back(std::move(field));
  }
  return true;
}

bool DemoteColumnsWithText(const std::vector<ColumnStats>& stats, DataPlan* plan) {
  bool demoted = false;
  for (std::size_t c = 0; c < stats.size(); ++c) {
    if (plan->table.fields[c].kind == FieldKind::kString || stats[c].badCells == 0) continue;
    SetKind(plan->variables[c], plan->table.fields[c], FieldKind::kString);
    demoted = true;
  }
  return demoted;
}
