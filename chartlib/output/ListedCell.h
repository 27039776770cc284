#pragma once
#include <string>

#include "chartlib/data/DataColumn.h"

class XVariable;

// A cell as the listing shows it: a number in its variable's format
// (decimals, prefix and suffix), a value with a value label as "1 Stage 1",
// a missing number as ".". Without a chart variable, a number is written in
// the fewest digits that give it back.
std::string ListedCell(const DataColumn::Cell& cell, const XVariable* variable);
