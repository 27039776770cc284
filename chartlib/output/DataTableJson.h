#pragma once
#include <cstddef>
#include <ostream>

#include "JsonWriter.h"

class VarDataProcessor;
class XGraph;

// {"sources": [{"name", "rows", "columns": [{"name", "values": [...]}]}]},
// written cell by cell as the table holds them (no copy of the table is
// made). Without values, each column carries its name only.
void WriteDataTable(JsonWriter& json, const VarDataProcessor& table, bool withValues);

// For the listing: each source's size and its first rows, their cells shown
// through the chart's variables (value labels, formats) when graph is given.
void WriteDataPreview(std::ostream& out, const VarDataProcessor& table, std::size_t rows,
                      const XGraph* graph = nullptr);
