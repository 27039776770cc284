#pragma once
#include <cstddef>
#include <ostream>

#include "engine/output/JsonWriter.h"

class VarDataProcessor;

// {"sources": [{"name", "rows", "columns": [{"name", "values": [...]}]}]},
// written cell by cell as the table holds them (no copy of the table is
// made). Without values, each column carries its name only.
void WriteDataTable(JsonWriter& json, const VarDataProcessor& table, bool withValues);

// For the listing: each source's size and its first rows.
void WriteDataPreview(std::ostream& out, const VarDataProcessor& table, std::size_t rows);
