#pragma once
#include <string>

// Why GPL text could not be read: where, what was expected, what was found.
struct GplError {
  int line = 0;
  int column = 0;
  std::string expected;
  std::string found;

  // "line 3, column 7: expected ')' but found 'GUIDE'"
  std::string Text() const;
};
