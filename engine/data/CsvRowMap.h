#pragma once
#include <cstddef>
#include <vector>

#include "engine/data/FileReader.h"

// A stretch of a CSV file that begins at the start of a row and ends where
// the next stretch begins.
struct CsvBlock {
  std::size_t begin = 0;
  std::size_t end = 0;
  long firstRow = 0;   // counted from 0
  long firstLine = 0;  // the file's line number of the first row
  bool quoted = true;  // false: the map found no quote character in it
};

// The data rows of a CSV file cut into blocks that can be parsed apart: the
// first pass of a load, which only counts line ends (and, when the file holds
// quotes, follows them so that a line end inside a quoted value does not end
// a row).
struct CsvRowMap {
  std::vector<CsvBlock> blocks;
  long rows = 0;
  bool readFailed = false;
};

// [dataStart, dataEnd) holds the rows, the first on line firstLine; dataEnd
// stands before the line ends that close the file.
CsvRowMap MapCsvRows(const FileReader& file, std::size_t dataStart, std::size_t dataEnd, long firstLine, char quote,
                     std::size_t blockSize, int workers);

// Blocks [first, last) of a map as a map of their own, their rows counted
// from the first block's first row.
CsvRowMap BlockRange(const CsvRowMap& map, std::size_t first, std::size_t last);
