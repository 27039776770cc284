#pragma once
// The peer benchmarks' synthetic data set, made in memory: the same
// generator and sequence as their gen.cpp, values rounded to 4 decimals as
// that program writes them.

#include <cstdint>

#include "testkit/MemoryCases.h"

// Columns g1 (1..10), g2 (1..50), s (20 strings of 8 letters), x (about
// N(50, 10), 1 % system-missing), y, w (0.5..2). Not weighted.
void FillSyntheticCases(MemoryDataSource& source, std::int64_t rows);
