#pragma once
#include <vector>

#include "AggregationVariable.h"
#include "OBS.h"

// A multiple-dichotomy set as a break variable: its categories are its
// members, and a case enters a member's category when the member holds the
// counted value. The counted value is a number (one cell, countedValueLength
// 8) for numeric members, else countedValueLength cells of blank-padded text.
// `reserved` selects nothing; callers pass false.
class AggregationMDSet : public AggregationVariable {
 public:
  AggregationMDSet(const std::vector<int>& memberColumns, const char* name, const OBS* countedValue,
                   int countedValueLength, bool reserved);
};
