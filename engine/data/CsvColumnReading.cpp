#include "engine/data/CsvColumnReading.h"

#include <algorithm>

#include "engine/data/NotFiniteWarning.h"
#include "engine/data/PlainCsvPlan.h"

namespace {

struct KindWord {
  FieldKind kind;
  const char* values;
};
constexpr KindWord kKindWords[] = {
    {FieldKind::kNumber, "numbers"},
    {FieldKind::kInteger, "whole numbers"},
    {FieldKind::kDate, "dates (yyyy-mm-dd)"},
    {FieldKind::kDateTime, "date-times (yyyy-mm-ddThh:mm:ss)"},
    {FieldKind::kTime, "times (hh:mm:ss)"},
};

const char* ValuesOfKind(FieldKind kind) {
  for (const KindWord& entry : kKindWords)
    if (entry.kind == kind) return entry.values;
  return "values";
}

// One warning per column whose cells were not all values of its kind.
void WarnAboutBadCells(const DataPlan& plan, const CsvColumns& columns, DataProblems& problems) {
  for (std::size_t c = 0; c < columns.stats.size(); ++c) {
    const ColumnStats& stats = columns.stats[c];
    if (stats.badCells == 0) continue;
    problems.Warning(DataProblems::Where(plan.table.shownName, stats.firstBadLine, static_cast<long>(c) + 1),
                     "the variable " + plan.variables[c].definition.name + " has " + std::to_string(stats.badCells) +
                         " cell(s) that are not " + ValuesOfKind(plan.table.fields[c].kind) + ", the first '" +
                         stats.firstBadText + "'; they are system-missing");
  }
}

// A plain column that would be numeric but for some cells is read as text;
// the user is told which cells made it so.
void WarnAboutColumnsReadAsText(const DataPlan& plan, const std::vector<ColumnStats>& stats, DataProblems& problems) {
  for (std::size_t c = 0; c < stats.size(); ++c) {
    if (plan.table.fields[c].kind == FieldKind::kString || stats[c].badCells == 0) continue;
    problems.Warning(DataProblems::Where(plan.table.shownName, stats[c].firstBadLine, static_cast<long>(c) + 1),
                     "the variable " + plan.variables[c].definition.name + " is read as text: " +
                         std::to_string(stats[c].badCells) + " value(s) are not numbers, the first '" +
                         stats[c].firstBadText + "'");
  }
}

// The columns DemoteColumnsWithText turned into string columns.
std::vector<bool> DemotedColumns(const std::vector<FieldKind>& kindsBefore, const DataPlan& plan, bool* any) {
  std::vector<bool> demoted(kindsBefore.size(), false);
  for (std::size_t c = 0; c < kindsBefore.size(); ++c) {
    demoted[c] = kindsBefore[c] != plan.table.fields[c].kind;
    *any = *any || demoted[c];
  }
  return demoted;
}

// What the wanted columns show, read chunk by chunk: peak memory does not
// grow with the file.
bool ScanCsvColumns(const FileReader& file, const CsvTable& table, const CsvRowMap& map,
                    const std::vector<bool>& wanted, const CsvReadOptions& options, CsvColumns* out,
                    DataProblems& problems) {
  const std::size_t fields = table.fields.size();
  out->rows = map.rows;
  out->columns.clear();
  out->columns.resize(fields);
  out->stats.assign(fields, ColumnStats{});
  out->stringWidths.assign(fields, 0);
  out->read = wanted;
  const std::size_t step = ChunkBlocks(options);
  CsvColumns chunk;  // its columns serve every chunk
  for (std::size_t first = 0; first < map.blocks.size(); first += step) {
    CsvRowMap range = BlockRange(map, first, std::min(first + step, map.blocks.size()));
    if (!ReadCsvColumns(file, table, range, wanted, options, &chunk, problems, /*values=*/false)) return false;
    for (std::size_t c = 0; c < fields; ++c) out->stats[c].Merge(chunk.stats[c]);
  }
  for (std::size_t c = 0; c < fields; ++c) {
    const CsvField& field = table.fields[c];
    if (field.kind == FieldKind::kString && wanted[c])
      out->stringWidths[c] = field.declaredWidth > 0 ? field.declaredWidth : std::max(1, out->stats[c].maxLength);
  }
  return true;
}

bool ReadPass(const FileReader& file, const CsvTable& table, const CsvRowMap& map, const std::vector<bool>& wanted,
              const CsvReadOptions& options, bool keepCells, CsvColumns* out, DataProblems& problems) {
  return keepCells ? ReadCsvColumns(file, table, map, wanted, options, out, problems)
                   : ScanCsvColumns(file, table, map, wanted, options, out, problems);
}

}  // namespace

bool ReadColumnsOfKinds(const FileReader& file, DataPlan* plan, const CsvRowMap& map, const std::vector<bool>& wanted,
                        const CsvReadOptions& options, bool inferKinds, bool keepCells, CsvColumns* out,
                        DataProblems& problems) {
  if (!ReadPass(file, plan->table, map, wanted, options, keepCells, out, problems)) return false;
  if (inferKinds) {
    WarnAboutColumnsReadAsText(*plan, out->stats, problems);
    std::vector<FieldKind> kindsBefore;
    for (const CsvField& field : plan->table.fields) kindsBefore.push_back(field.kind);
    DemoteColumnsWithText(out->stats, plan);
    bool any = false;
    std::vector<bool> demoted = DemotedColumns(kindsBefore, *plan, &any);
    CsvColumns again;
    if (any && !ReadPass(file, plan->table, map, demoted, options, keepCells, &again, problems)) return false;
    for (std::size_t c = 0; any && c < demoted.size(); ++c) {
      if (!demoted[c]) continue;
      out->columns[c] = std::move(again.columns[c]);
      out->stats[c] = again.stats[c];
      out->stringWidths[c] = again.stringWidths[c];
    }
  }
  WarnAboutBadCells(*plan, *out, problems);
  WarnAboutNotFiniteNumbers(*plan, out->stats, problems);
  return true;
}
