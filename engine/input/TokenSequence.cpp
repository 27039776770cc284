#include <vector>

#include "TokenInfoObj.h"
#include "VEXA_TokenSequence.h"
#include "engine/input/CommandInput.h"
#include "engine/input/Lexer.h"

struct VEXA_TokenSequence::Rep {
  std::vector<TokenInfoObj> tokens;
  std::size_t next = 0;
  const TokenInfoObj* current = nullptr;
  bool error = false;
};

VEXA_TokenSequence::VEXA_TokenSequence(bool /*wholeCommand*/) : rep_(std::make_unique<Rep>()) {
  CommandInput* input = CurrentCommandInput();
  if (!input) return;
  Lexer::Result result = Lexer::Tokenize(input->CommandText(), input->CommandLine());
  rep_->tokens = std::move(result.tokens);
  rep_->error = result.error;
}

VEXA_TokenSequence::~VEXA_TokenSequence() = default;

bool VEXA_TokenSequence::Next() {
  if (rep_->next >= rep_->tokens.size()) {
    rep_->current = nullptr;
    return false;
  }
  rep_->current = &rep_->tokens[rep_->next++];
  return true;
}

const TokenInfoObj* VEXA_TokenSequence::Current() const { return rep_->current; }

bool VEXA_TokenSequence::HasLexicalError() const { return rep_->error; }
