#include "engine/data/LazyCsvColumns.h"

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

}  // namespace

LazyCsvColumns::LazyCsvColumns(std::unique_ptr<FileReader> file, DataPlan plan, CsvRowMap map, CsvReadOptions options,
                               bool inferKinds, std::vector<bool> read)
    : file_(std::move(file)),
      plan_(std::move(plan)),
      map_(std::move(map)),
      options_(std::move(options)),
      inferKinds_(inferKinds),
      read_(read.begin(), read.end()) {}

bool LazyCsvColumns::IsRead(int column) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return column < 0 || column >= static_cast<int>(read_.size()) || read_[static_cast<std::size_t>(column)];
}

void LazyCsvColumns::Read(CaseData& data, const std::vector<int>& columns) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<bool> wanted(read_.size(), false);
  bool any = false;
  for (int column : columns) {
    if (column < 0 || column >= static_cast<int>(read_.size()) || read_[static_cast<std::size_t>(column)]) continue;
    wanted[static_cast<std::size_t>(column)] = true;
    any = true;
  }
  if (!any) return;
  CsvColumns parsed;
  DataProblems problems;
  bool fine = ReadColumnsOfKinds(*file_, &plan_, map_, wanted, options_, inferKinds_, &parsed, problems);
  Store(data, wanted, parsed, fine);
  if (report_ && !problems.All().empty()) report_(problems);
}

void LazyCsvColumns::Store(CaseData& data, const std::vector<bool>& wanted, CsvColumns& columns, bool readFine) {
  for (std::size_t c = 0; c < wanted.size(); ++c) {
    if (!wanted[c]) continue;
    const CsvField& field = plan_.table.fields[c];
    DataVariable* variable = data.dictionary.Variable(static_cast<int>(c));
    if (readFine) {
      variable->Redefine(CompletedDefinition(plan_.variables[c], field, columns.stats[c], columns.stringWidths[c]));
      data.columns[c] = std::move(columns.columns[c]);
    } else {
      data.columns[c] = EmptyColumn(data.caseCount, variable->Cells(), variable->IsString());
    }
    read_[c] = 1;
  }
}
