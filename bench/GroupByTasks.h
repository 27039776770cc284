#pragma once
// The group-by tasks of the peer benchmarks, run through the aggregation
// library the way the graph module drives it, over any data source.

#include <string>

class VEXA_DataSource;

struct GroupByResult {
  double seconds = 0;
  long rows = 0;          // cells of the result
  double checksum = 0;    // sum of the task's main column over the cells
};

// Tasks (missing x left out): a count by g1,g2; b mean(x) by g1,g2;
// c median(x) by g1,g2; d 25th percentile of x by g1,g2; e count, mean, sd
// and 95 % t-interval of x by g1,g2 (checksum: the lower bounds); f mean of
// x by g1, weighted (the source must be weighted by w); g mean(x) by s.
// The columns are found by these names.
GroupByResult RunGroupByTask(char task, VEXA_DataSource& source);
