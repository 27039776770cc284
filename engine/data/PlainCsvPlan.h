#pragma once
#include "engine/data/CsvHeader.h"
#include "engine/data/DataPlan.h"
#include "engine/data/DataProblems.h"
#include "engine/data/FileReader.h"

// The dictionary of a CSV file that comes without one: the header names the
// variables; a column is numeric (scale, F format with the decimals of its
// data) when every cell is a number, empty or NA, else a nominal string as
// wide as its longest value. Kinds are first guessed from the first rows.
bool PlanPlainCsv(const FileReader& file, const CsvHeader& header, DataPlan* plan, DataProblems& problems);

// Turns the numeric columns that held other text into string columns; true
// when there was one (the file must then be read again).
bool DemoteColumnsWithText(const std::vector<ColumnStats>& stats, DataPlan* plan);
