#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "engine/data/CsvTable.h"
#include "engine/data/DataProblems.h"
#include "engine/data/FileReader.h"

// Where the rows of a CSV file are: after its header line, when it has one,
// and before the line ends that close the file.
struct CsvHeader {
  std::vector<std::string> names;  // empty without a header line
  std::size_t dataStart = 0;
  std::size_t dataEnd = 0;
  long firstDataLine = 1;
};

// False, with the fault added to problems, when the header cannot be read.
bool ReadCsvHeader(const FileReader& file, const std::string& shownName, const CsvDialect& dialect, CsvHeader* header,
                   DataProblems& problems);
