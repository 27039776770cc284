#pragma once
#include <optional>
#include <string_view>

#include "chartlib/gpl/GplError.h"
#include "chartlib/gpl/GplToken.h"

// Splits GPL text into tokens: names (letters, digits, "_", "$", "#", "@",
// "." and any non-ASCII character; not starting with a digit or "."; a
// name ending in "." may take a string: transparency."0.3"),
// numbers with an optional unit ("10", "0.5", "1e3", "400px", "50%"),
// strings in double or single quotes (a backslash keeps the next character),
// and symbols. Blanks, line breaks and /* comments */ separate tokens.
class GplLexer {
 public:
  explicit GplLexer(std::string_view text) : text_(text) {}

  // The next token; kEnd at the end of the text, and for ever after. Sets
  // error and gives kEnd when the text holds something that is no token.
  GplToken Next();
  const std::optional<GplError>& Error() const { return error_; }

 private:
  char Peek(std::size_t ahead = 0) const;
  void Advance();
  bool SkipSpaceAndComments();
  GplToken Start(GplToken::Kind kind) const;
  GplToken ReadToken();
  GplToken ReadName();
  GplToken ReadNumber();
  GplToken ReadString();
  GplToken ReadSymbol();
  GplToken Fail(const GplToken& at, const char* expected, std::string found);

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
  int column_ = 1;
  std::optional<GplError> error_;
};
