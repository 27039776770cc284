#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/data/DataDictionary.h"
#include "engine/data/ObsBuffer.h"

class LazyCsvColumns;

// A loaded data set: its dictionary and its cases, one column per variable.
// A column holds the cells of every case in file order, Cells() per case.
// With lazy columns a column is empty until Need reads it; a column too
// large to keep is streamed by each pass over the cases (CaseCursor).
struct CaseData {
  std::string file;  // the data file (or package) as the user named it
  DataDictionary dictionary;
  std::vector<ObsBuffer> columns;
  long caseCount = 0;
  std::shared_ptr<LazyCsvColumns> lazy;  // null when every column was read at load

  // Reads the columns whose cells are not in memory yet (in one pass).
  void Need(const std::vector<int>& columnsToRead) const;
  void Need(int column) const { Need(std::vector<int>{column}); }
  // Makes the dictionary entries of the columns exact: their columns are
  // read, and kept while the memory allowed lasts.
  void Know(const std::vector<int>& columnsToKnow) const;
  bool IsRead(int column) const;

  const OBS* Cell(int column, long row) const {
    const ObsBuffer& cells = columns[static_cast<std::size_t>(column)];
    return cells.data() + row * dictionary.Variable(column)->Cells();
  }
};
