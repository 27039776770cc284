#include "driver/BinningTable.h"

// Binning tables arrive with the binning work.
void WriteBinningTable(BpProcedure&, ProcedureDataSource&, GGraphVariable&, std::int32_t) {}
