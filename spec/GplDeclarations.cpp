#include "spec/GraphSpec.h"

// Declarations arrive with chart production.
void GraphSpec::AddGplDeclarations(GGraphDataSet*) {}
