#pragma once
#include <cstdint>

class BpProcedure;
class GGraphVariable;
class ProcedureDataSource;

// Divides the variable's range over the active data into binCount equal bins
// and writes the table of their counts; no output for string variables and
// the case number.
void WriteBinningTable(BpProcedure& procedure, ProcedureDataSource& dataSource, GGraphVariable& variable,
                       std::int32_t binCount);
