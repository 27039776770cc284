#pragma once
#include <memory>
#include <string>

#include "engine/data/CaseData.h"
#include "engine/data/CsvTableReader.h"
#include "engine/data/DataProblems.h"

struct LoadedData {
  std::shared_ptr<const CaseData> data;  // null when the file cannot be used
  DataProblems problems;
};

// Loads a data file: a data package (a datapackage.json, or a folder holding
// one) or a plain CSV file. shownName names the file in messages.
LoadedData LoadDataFile(const std::string& path, const std::string& shownName, const CsvReadOptions& options = {});
