#pragma once
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

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
class LazyCsvColumns {
 public:
  // read: one flag per field, the columns parsed at load.
  LazyCsvColumns(std::unique_ptr<FileReader> file, DataPlan plan, CsvRowMap map, CsvReadOptions options,
                 bool inferKinds, std::vector<bool> read);

  // Where the warnings (and errors) of later passes go.
  void SetReporter(std::function<void(const DataProblems&)> report) { report_ = std::move(report); }
  bool IsRead(int column) const;
  // Parses the columns not read yet among `columns` in one pass into data,
  // and completes their dictionary entries. A column that cannot be read
  // after all (the file changed) is reported and left system-missing.
  void Read(CaseData& data, const std::vector<int>& columns);

 private:
  void Store(CaseData& data, const std::vector<bool>& wanted, CsvColumns& columns, bool readFine);

  std::unique_ptr<FileReader> file_;
  DataPlan plan_;
  CsvRowMap map_;
  CsvReadOptions options_;
  bool inferKinds_;
  std::vector<char> read_;
  std::function<void(const DataProblems&)> report_;
  mutable std::mutex mutex_;
};
