#pragma once

struct ProcedureRun;

// After the charts of a command from the RFM module, the one-cell table with
// the help text for the chart type its DESCRIPTION named.
void WriteRfmHelpTable(ProcedureRun& run);
