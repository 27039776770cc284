#pragma once
#include <ostream>

struct DocumentState;

// The chart's summary in the listing: its element types, and how many cases
// were read and left out (for missing values, by the data filters, at the
// case limit). Lines of the listing only; the messages stay as they are.
void ListChartSummary(std::ostream& out, const DocumentState& state);
