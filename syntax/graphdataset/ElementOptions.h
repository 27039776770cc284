#pragma once
// The option list of one VARIABLES element: [NAME='gpl' HIGH='h' LOW='l' LEVEL=level].

#include <cstdint>
#include <string>

struct GraphDataSetReader;

struct ElementOptions {
  std::string gplName;
  std::string highName;
  std::string lowName;
  // 0 none, 1 SCALE, 2 NOMINAL, 3 ORDINAL, 4 FLAG, 5 TYPELESS.
  std::uint32_t level = 0;
};

// Reads an option list when one opens at the cursor; the names given must
// not have been used before in the data set's list. False after a reported
// error.
bool ReadElementOptions(GraphDataSetReader& reader, ElementOptions& options);
