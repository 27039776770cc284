#pragma once
#include <string>

struct GraphDataSetReader;

// The function's parameters in parentheses at the cursor and its option
// list; the statistic is added to the data set. False after a reported error.
bool ReadFunctionCall(GraphDataSetReader& reader, const std::string& function);
