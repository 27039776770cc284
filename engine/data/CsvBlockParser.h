#pragma once
#include <optional>
#include <string>
#include <vector>

#include "OBS.h"
#include "engine/data/CsvRowMap.h"
#include "engine/data/CsvTable.h"

// A fault that makes the file unusable.
struct CsvFault {
  long line = 0;
  int column = 0;  // the field, counted from 1
  std::string text;
};

// What the cells of one column showed.
struct ColumnStats {
  int maxDecimals = 0;  // numbers: most digits after the decimal point
  int maxLength = 0;    // longest cell text that was read as a value
  long badCells = 0;    // cells that are not values of the column's kind
  long firstBadLine = 0;
  std::string firstBadText;
  long notFinite = 0;  // NaN, INF and numbers beyond the double range
  long firstNotFiniteLine = 0;
  std::string firstNotFiniteText;

  // Adds the stats of a later stretch of the same column.
  void Merge(const ColumnStats& later);
};

// A string value too wide for the cells its column has so far.
struct WideText {
  long row;
  std::string text;
};

struct CsvBlockResult {
  std::vector<ColumnStats> stats;
  std::vector<std::vector<WideText>> wideTexts;  // per column
  std::optional<CsvFault> fault;
};

// The columns being filled: one per field, `cells` cells per row. A field
// whose column is null is not read: only its boundaries are found.
struct ColumnTargets {
  std::vector<OBS*> columns;
  std::vector<int> cells;
  // False when only what the cells show (their stats) is wanted: plain
  // numbers are then checked but not stored.
  bool values = true;
};

// Parses the rows of one block, [begin, end) being its text, straight into
// the targets at the block's rows. A string value wider than its column's
// cells is kept aside in the result.
CsvBlockResult ParseCsvBlock(const CsvTable& table, const char* begin, const char* end, const CsvBlock& block,
                             long rows, const ColumnTargets& targets);
