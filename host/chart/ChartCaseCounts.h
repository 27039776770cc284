#pragma once
#include <cstdint>

// What the reading did with the cases behind one chart's data, for the
// chart's line in the listing.
struct ChartCaseCounts {
  std::uint64_t read = 0;      // cases looked at
  std::uint64_t missing = 0;   // left out for a missing value
  std::uint64_t filtered = 0;  // left out by the data filters
  std::uint32_t caseLimit = 0;  // the case limit when it stopped the reading; 0 when it did not
  // False when the cases went through the aggregation, which leaves missing
  // values out cell by cell and so counts no cases left out for them.
  bool missingCounted = true;

  ChartCaseCounts& operator+=(const ChartCaseCounts& other) {
    read += other.read;
    missing += other.missing;
    filtered += other.filtered;
    if (other.caseLimit) caseLimit = other.caseLimit;
    missingCounted = missingCounted && other.missingCounted;
    return *this;
  }
};
