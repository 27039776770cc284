#pragma once
#include <vector>

#include "engine/data/CsvBlockParser.h"
#include "engine/data/CsvHeader.h"
#include "engine/data/CsvTable.h"
#include "engine/data/DataProblems.h"
#include "engine/data/ObsBuffer.h"

struct CsvReadOptions {
  std::size_t blockBytes = std::size_t{4} << 20;
  int workers = 0;  // 0: every core
  char delimiter = 0;  // of a plain CSV file, as the user gave it; 0: detected
};

// The cases of a CSV table, one column per field.
struct CsvColumns {
  std::vector<ObsBuffer> columns;
  std::vector<ColumnStats> stats;
  std::vector<int> stringWidths;  // per field; 0 for numeric fields
  long rows = 0;
};

// Reads the rows of a table whose header has been read. False, with the first
// fault of the file (in file order) added to problems, when the file cannot
// be used.
bool ReadCsvTable(const FileReader& file, const CsvTable& table, const CsvHeader& header, const CsvReadOptions& options,
                  CsvColumns* out, DataProblems& problems);
