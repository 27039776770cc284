#pragma once

// ggraph functions: the summary functions of GRAPHDATASET's VARIABLES, with
// their parameters and what they compute.
int ListSummaryFunctions();
