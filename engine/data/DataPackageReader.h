#pragma once
#include <string>

#include "engine/data/DataPlan.h"
#include "engine/data/DataProblems.h"

// Reads a data package: a datapackage.json whose one tabular resource names a
// CSV file and describes its fields (see docs/data-format.md). False, with
// every fault of the dictionary added to problems, when it cannot be used.
// The CSV file itself is not read here.
bool ReadDataPackage(const std::string& path, const std::string& shownName, DataPlan* plan, DataProblems& problems);
