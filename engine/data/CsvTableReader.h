#pragma once
#include <string>
#include <vector>

#include "engine/data/CsvBlockParser.h"
#include "engine/data/CsvHeader.h"
#include "engine/data/CsvRowMap.h"
#include "engine/data/CsvTable.h"
#include "engine/data/DataProblems.h"
#include "engine/data/ObsBuffer.h"

struct CsvReadOptions {
  std::size_t blockBytes = std::size_t{4} << 20;
  int workers = 0;  // 0: every core
  // Lazy: a column is parsed when it is first used; the load parses only
  // the columns named here (and the weight and split variables).
  bool lazy = false;
  std::vector<std::string> readFirst;
  // Lazy: columns are kept in memory while they take at most this much;
  // beyond it a column is only checked when first used (for its exact kind
  // and format), and each pass over the cases parses it again, in chunks.
  std::size_t keepBytes = std::size_t{256} << 20;
  // Blocks per chunk of such a pass; 0: four per worker.
  int chunkBlocks = 0;
  char delimiter = 0;  // of a plain CSV file, as the user gave it; 0: detected
};

// The blocks a chunk of a pass over a file holds.
std::size_t ChunkBlocks(const CsvReadOptions& options);

// The cases of a CSV table, one column per field; a column not read is
// empty.
struct CsvColumns {
  std::vector<ObsBuffer> columns;
  std::vector<ColumnStats> stats;
  std::vector<int> stringWidths;  // per field; 0 for numeric fields
  std::vector<bool> read;         // per field: whether it was read
  long rows = 0;
};

// Reads the rows of a table whose header has been read. False, with the first
// fault of the file (in file order) added to problems, when the file cannot
// be used.
bool ReadCsvTable(const FileReader& file, const CsvTable& table, const CsvHeader& header, const CsvReadOptions& options,
                  CsvColumns* out, DataProblems& problems);

// The first pass of a read: the rows cut into blocks. False, with the
// fault added to problems, when the file cannot be read.
bool MapCsvTable(const FileReader& file, const CsvTable& table, const CsvHeader& header, const CsvReadOptions& options,
                 CsvRowMap* map, DataProblems& problems);

// Reads the fields marked in `wanted` (one flag per field) of the mapped
// rows; the others are only scanned. As ReadCsvTable otherwise. A column of
// out that is large enough already is filled again instead of new pages
// being asked for (a pass in chunks): it may then hold more cells than rows.
// Without values only the stats are sure: numbers may not be stored.
bool ReadCsvColumns(const FileReader& file, const CsvTable& table, const CsvRowMap& map, const std::vector<bool>& wanted,
                    const CsvReadOptions& options, CsvColumns* out, DataProblems& problems, bool values = true);
