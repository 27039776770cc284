#pragma once
#include <string>

struct DescribeArguments {
  std::string dataPath;
  bool json = false;
  char delimiter = 0;  // of a plain CSV file; 0: detected
};

// Prints the dictionary a data file yields; its faults and warnings go to
// standard error. 0 when the file can be used, 1 when it cannot.
int DescribeDataFile(const DescribeArguments& arguments);
