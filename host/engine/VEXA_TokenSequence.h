#pragma once
#include <memory>

class TokenInfoObj;

// The tokens of the command the engine is running, after the command name.
class VEXA_TokenSequence {
 public:
  explicit VEXA_TokenSequence(bool wholeCommand);
  ~VEXA_TokenSequence();
  VEXA_TokenSequence(const VEXA_TokenSequence&) = delete;
  VEXA_TokenSequence& operator=(const VEXA_TokenSequence&) = delete;

  // Moves to the next token; false at the end of the command.
  bool Next();
  // The token Next moved to; null before the first call and at the end.
  const TokenInfoObj* Current() const;
  // True when the command text holds a lexical error (already reported).
  bool HasLexicalError() const;

 private:
  struct Rep;
  std::unique_ptr<Rep> rep_;
};
