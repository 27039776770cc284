#pragma once
#include <string>

// One token of GPL text. Positions count from 1; columns count characters.
struct GplToken {
  enum class Kind { kName, kNumber, kString, kSymbol, kEnd };
  Kind kind = Kind::kEnd;
  std::string text;  // a name, a symbol ("(", "<=", ...), a string's content, a number as written
  std::string unit;  // a number's unit ("px", "%"), or empty
  double number = 0;
  int line = 1;
  int column = 1;
  int endColumn = 1;  // the column after the token (tokens never span lines)

  bool Is(const char* symbol) const { return kind == Kind::kSymbol && text == symbol; }
  // How the token is named in an error message.
  std::string Describe() const;
};
