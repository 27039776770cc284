#pragma once
#include <vector>

#include "engine/data/CsvTableReader.h"
#include "engine/data/DataPlan.h"

// Reads the fields marked in `wanted` of the mapped rows. With inferKinds (a
// plain CSV file, whose kinds were guessed from its first rows) a numeric
// column that holds other text becomes a string column in plan and is read
// again as one. Cells that are not values of their column's kind are
// reported as warnings. Without keepCells the file is read in chunks and
// only what the cells showed is kept (out's columns stay empty). False,
// with the fault in problems, when the file cannot be used.
bool ReadColumnsOfKinds(const FileReader& file, DataPlan* plan, const CsvRowMap& map, const std::vector<bool>& wanted,
                        const CsvReadOptions& options, bool inferKinds, bool keepCells, CsvColumns* out,
                        DataProblems& problems);
