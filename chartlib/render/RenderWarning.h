#pragma once
#include <string>
#include <utility>

// A construct that is not drawn, or a fault of the GPL found while compiling.
struct RenderWarning {
  std::string text;  // names the construct and its line and column in the GPL
  int line = 0;      // 0 when the fault has no place in the text
  int column = 0;
};

inline RenderWarning MakeWarning(std::string text, int line = 0, int column = 0) {
  RenderWarning warning;
  warning.text = std::move(text);
  warning.line = line;
  warning.column = column;
  return warning;
}
