#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/data/CaseData.h"
#include "engine/data/CsvTableReader.h"
#include "engine/data/DataProblems.h"

struct LoadedData {
  std::shared_ptr<const CaseData> data;  // null when the file cannot be used
  DataProblems problems;
  std::vector<std::string> files;  // the files read: the package's and its table's
};

// Loads a data file: a data package (a datapackage.json, or a folder holding
// one) or a plain CSV file. shownName names the file in messages.
LoadedData LoadDataFile(const std::string& path, const std::string& shownName, const CsvReadOptions& options = {});
