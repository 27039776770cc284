#pragma once
#include <string>
#include <vector>

#include "engine/data/DataDictionary.h"
#include "engine/data/ObsBuffer.h"

// A loaded data set: its dictionary and its cases, one column per variable.
// A column holds the cells of every case in file order, Cells() per case.
struct CaseData {
  std::string file;  // the data file (or package) as the user named it
  DataDictionary dictionary;
  std::vector<ObsBuffer> columns;
  long caseCount = 0;

  const OBS* Cell(int column, long row) const {
    const ObsBuffer& cells = columns[static_cast<std::size_t>(column)];
    return cells.data() + row * dictionary.Variable(column)->Cells();
  }
};
