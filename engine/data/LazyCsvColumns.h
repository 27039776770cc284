#pragma once
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/data/ColumnStream.h"
#include "engine/data/CsvRowMap.h"
#include "engine/data/CsvTableReader.h"
#include "engine/data/DataPlan.h"
#include "engine/data/DataProblems.h"
#include "engine/data/FileReader.h"

struct CaseData;

// The columns of a CSV data set that are parsed when first used, so that a
// run pays only for the columns its commands read. The rows were mapped and
// the whole file checked when it was loaded; a later pass parses the asked
// columns of every row at once, on every core.
//
// A column is unread, known (its dictionary entry is exact: it was parsed
// once and its cells dropped, because keeping them would pass the memory
// allowed) or kept (its cells are in memory). Passes over the cases parse
// the known columns again, chunk by chunk (ColumnStream).
class LazyCsvColumns {
 public:
  enum State : char { kUnread, kKnown, kKept };

  LazyCsvColumns(std::unique_ptr<FileReader> file, DataPlan plan, CsvRowMap map, CsvReadOptions options,
                 bool inferKinds, std::vector<State> states, std::vector<int> stringWidths);

  // Where the warnings (and errors) of later passes go.
  void SetReporter(std::function<void(const DataProblems&)> report) { report_ = std::move(report); }
  bool IsKept(int column) const;
  // Makes the dictionary entries of the columns exact, keeping their cells
  // while the memory allowed lasts.
  void Know(CaseData& data, const std::vector<int>& columns);
  // Keeps the cells of the columns in data (one pass for those not kept yet)
  // and completes their dictionary entries. A column that cannot be read
  // after all (the file changed) is reported and left system-missing.
  void Keep(CaseData& data, const std::vector<int>& columns);
  // A stream over the known columns that are not kept; null when there are
  // none.
  std::unique_ptr<ColumnStream> OpenStream() const;

 private:
  std::vector<bool> Marked(const std::vector<int>& columns, State below) const;
  std::size_t KeptBytes(long rows) const;
  void ReadColumns(CaseData& data, const std::vector<bool>& wanted, bool keepCells, bool report);

  std::unique_ptr<FileReader> file_;
  DataPlan plan_;
  CsvRowMap map_;
  CsvReadOptions options_;
  bool inferKinds_;
  std::vector<State> states_;
  std::vector<int> stringWidths_;  // per field, once known
  std::function<void(const DataProblems&)> report_;
  mutable std::mutex mutex_;
};
