#pragma once
#include <vector>

#include "engine/data/CsvBlockParser.h"
#include "engine/data/DataPlan.h"
#include "engine/data/DataProblems.h"

// One warning per numeric column that held NaN, INF or a number beyond the
// double range: how many, and the first of them by line and column. They
// were read as system-missing.
void WarnAboutNotFiniteNumbers(const DataPlan& plan, const std::vector<ColumnStats>& stats, DataProblems& problems);
