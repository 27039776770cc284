// GRAPHDATASET: one graph data set. Its keywords come with the graph data
// set syntax; until then the subcommand is accepted and passed over.

#include "syntax/SubcommandHandler.h"

bool HandleGraphDataSet(GGraphCommandParser&, const SubComObj&, int) { return true; }
