#pragma once
#include <string>
#include <vector>

#include "TokenInfoObj.h"

// Splits command text into tokens. Commas separate like blanks.
class Lexer {
 public:
  struct Result {
    std::vector<TokenInfoObj> tokens;
    bool error = false;
  };

  // firstLine is the line number of the text's first line, for messages.
  // Lexical errors are reported as engine errors.
  static Result Tokenize(const std::string& text, int firstLine);
};
