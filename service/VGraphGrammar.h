#pragma once
#include "syntax/CommandGrammar.h"

// The VGRAPH command: GRAPHDATASET, an inline-only GRAPHSPEC and BEGIN GRAPHSRV
// blocks.
CommandGrammar VGraphGrammar();
