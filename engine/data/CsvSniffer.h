#pragma once
#include "engine/data/CsvTable.h"
#include "engine/data/DataProblems.h"
#include "engine/data/FileReader.h"

// Settles the dialect of a plain CSV file from its first line: the delimiter
// given (when not 0) or else the one of comma, semicolon, tab and pipe that
// the header line holds most often outside quotes (comma when it holds none). False, with the reason in
// problems, for a file whose lines end with a carriage return alone, which
// the reader would take for one long line.
bool SniffCsvDialect(const FileReader& file, const std::string& shownName, char givenDelimiter, CsvDialect* dialect,
                     DataProblems& problems);
