#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/data/CaseData.h"
#include "engine/data/DataFileLoader.h"

// The data sets a session knows: the working data (--data) and the named data
// sets (--dataset NAME=PATH). Each is loaded when first opened and kept for
// the session. Opening one whose file cannot be used reports its faults each
// time; warnings are reported once, when the file is loaded.
class DataCatalog {
 public:
  DataCatalog(std::string workingPath, const std::vector<std::pair<std::string, std::string>>& dataSets,
              CsvReadOptions readOptions = {});
  ~DataCatalog();

  struct Opened {
    std::shared_ptr<const CaseData> data;  // null when absent or unusable
    bool failed = false;                   // true when the file cannot be used
  };

  // Without --data there is no working data and nothing fails. The working
  // data are read lazily: a column is parsed when first used, and the
  // columns named in readFirst (those a command is known to read) in one
  // pass when the data are opened. Without readFirst (no command is known)
  // every column is read.
  Opened OpenWorkingData(const std::optional<std::vector<std::string>>& readFirst = std::nullopt);
  // The working data when they have been loaded and can be used; never
  // loads or reports anything.
  std::shared_ptr<const CaseData> LoadedWorkingData() const { return working_.result.data; }
  // Names are compared ignoring case; false when no data set has the name.
  bool HasDataSet(const std::string& name) const;
  Opened OpenDataSet(const std::string& name);

 private:
  struct Entry {
    std::string path;
    bool loaded = false;
    LoadedData result;
  };
  Opened Open(Entry& entry, const CsvReadOptions& options);
  Entry* FindDataSet(const std::string& name);

  CsvReadOptions readOptions_;
  Entry working_;
  std::vector<std::pair<std::string, Entry>> named_;
};
