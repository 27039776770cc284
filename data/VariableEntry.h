#pragma once
#include <cstdint>
#include <string>

// One plain variable name of a VARIABLES list, as the parser met it; the data
// set turns it into variables when it resolves its list.
struct VariableEntry {
  std::string name;
  // The name under which the variable is to appear; empty when none was given.
  std::string gplName;
  // 0 none, else the forced level: 1 SCALE, 2 NOMINAL, 3 ORDINAL, 4 FLAG, 5 TYPELESS.
  std::uint32_t level = 0;
};
