#include "engine/data/LazyCsvColumns.h"

#include <algorithm>
#include <cstring>

#include "engine/data/CaseData.h"
#include "engine/data/CsvColumnReading.h"

namespace {

// The cells a column holds when its pass failed: every case missing.
ObsBuffer EmptyColumn(long rows, int cells, bool isString) {
  ObsBuffer column(static_cast<std::size_t>(rows * cells));
  if (isString) {
    std::memset(column.data(), ' ', column.size() * sizeof(OBS));
  } else {
    for (std::size_t i = 0; i < column.size(); ++i) column.data()[i].number = kSysMiss;
  }
  return column;
}

int ExpectedCells(const CsvField& field, int knownWidth) {
  if (field.kind != FieldKind::kString) return 1;
  return ObsCellsForWidth(knownWidth > 0 ? knownWidth : UnreadStringWidth(field));
}

}  // namespace

LazyCsvColumns::LazyCsvColumns(std::unique_ptr<FileReader> file, DataPlan plan, CsvRowMap map, CsvReadOptions options,
                               bool inferKinds, std::vector<State> states, std::vector<int> stringWidths)
    : file_(std::move(file)),
      plan_(std::move(plan)),
      map_(std::move(map)),
      options_(std::move(options)),
      inferKinds_(inferKinds),
      states_(std::move(states)),
      stringWidths_(std::move(stringWidths)) {}

bool LazyCsvColumns::IsKept(int column) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return column < 0 || column >= static_cast<int>(states_.size()) || states_[static_cast<std::size_t>(column)] == kKept;
}

std::vector<bool> LazyCsvColumns::Marked(const std::vector<int>& columns, State below) const {
  std::vector<bool> marked(states_.size(), false);
  for (int column : columns)
    if (column >= 0 && column < static_cast<int>(states_.size()) && states_[static_cast<std::size_t>(column)] < below)
      marked[static_cast<std::size_t>(column)] = true;
  return marked;
}

std::size_t LazyCsvColumns::KeptBytes(long rows) const {
  std::size_t bytes = 0;
  for (std::size_t c = 0; c < states_.size(); ++c)
    if (states_[c] == kKept)
      bytes += static_cast<std::size_t>(rows) * ExpectedCells(plan_.table.fields[c], stringWidths_[c]) * sizeof(OBS);
  return bytes;
}

void LazyCsvColumns::Know(CaseData& data, const std::vector<int>& columns) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<bool> wanted = Marked(columns, kKnown);
  std::size_t bytes = KeptBytes(data.caseCount);
  for (std::size_t c = 0; c < wanted.size(); ++c)
    if (wanted[c])
      bytes += static_cast<std::size_t>(data.caseCount) * ExpectedCells(plan_.table.fields[c], 0) * sizeof(OBS);
  ReadColumns(data, wanted, bytes <= options_.keepBytes, true);
}

void LazyCsvColumns::Keep(CaseData& data, const std::vector<int>& columns) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<bool> unread = Marked(columns, kKnown);
  std::vector<bool> known = Marked(columns, kKept);
  for (std::size_t c = 0; c < known.size(); ++c) known[c] = known[c] && !unread[c];
  ReadColumns(data, unread, true, true);
  ReadColumns(data, known, true, false);  // their warnings were given when they became known
}

void LazyCsvColumns::ReadColumns(CaseData& data, const std::vector<bool>& wanted, bool keepCells, bool report) {
  if (std::find(wanted.begin(), wanted.end(), true) == wanted.end()) return;
  CsvColumns parsed;
  DataProblems problems;
  bool fine = ReadColumnsOfKinds(*file_, &plan_, map_, wanted, options_, inferKinds_, keepCells, &parsed, problems);
  for (std::size_t c = 0; c < wanted.size(); ++c) {
    if (!wanted[c]) continue;
    const CsvField& field = plan_.table.fields[c];
    DataVariable* variable = data.dictionary.Variable(static_cast<int>(c));
    if (fine) {
      variable->Redefine(CompletedDefinition(plan_.variables[c], field, parsed.stats[c], parsed.stringWidths[c]));
      stringWidths_[c] = parsed.stringWidths[c];
      if (keepCells) data.columns[c] = std::move(parsed.columns[c]);
    }
    if (!fine || keepCells) {
      if (!fine) data.columns[c] = EmptyColumn(data.caseCount, variable->Cells(), variable->IsString());
      states_[c] = kKept;
    } else {
      states_[c] = kKnown;
    }
  }
  if (report && report_ && !problems.All().empty()) report_(problems);
}

std::unique_ptr<ColumnStream> LazyCsvColumns::OpenStream() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<bool> streamed(states_.size(), false);
  bool any = false;
  CsvTable table = plan_.table;
  for (std::size_t c = 0; c < states_.size(); ++c) {
    streamed[c] = states_[c] == kKnown;
    any = any || streamed[c];
    if (streamed[c] && table.fields[c].kind == FieldKind::kString) table.fields[c].declaredWidth = stringWidths_[c];
  }
  if (!any) return nullptr;
  return std::make_unique<ColumnStream>(*file_, std::move(table), map_, std::move(streamed), options_);
}
