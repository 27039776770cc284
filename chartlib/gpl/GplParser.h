#pragma once
#include <optional>
#include <string_view>

#include "chartlib/gpl/GplError.h"
#include "chartlib/gpl/GplLexer.h"
#include "chartlib/gpl/GplSyntax.h"

// Reads GPL text into a syntax tree by recursive descent:
//
//   program    := statement*
//   statement  := NAME ':' [NAME '='] expression
//   expression := blend [compare blend]        compare: = == != <> < > <= >=
//   blend      := cross (('+' | '-') cross)*
//   cross      := nest ('*' nest)*
//   nest       := unary ('/' unary)*
//   unary      := ('-' | '+' | '!') unary | primary
//   primary    := NUMBER | STRING | NAME ['(' [expression (',' expression)*] ')'] | '(' expression ')'
//
// Nesting deeper than kMostNesting levels is an error, so no input makes the
// parser recurse without bound; every step consumes a token or stops.
class GplParser {
 public:
  static constexpr int kMostNesting = 100;

  explicit GplParser(std::string_view text);

  // The program, or nothing with Error() set.
  std::optional<GplProgram> Parse();
  const std::optional<GplError>& Error() const { return error_; }

 private:
  void Shift();
  bool Expect(const char* symbol, const char* expected);
  bool Fail(const char* expected);
  // A statement starts at its token, whichever line it is on.
  bool FailAtToken(const char* expected);
  bool ParseStatement(GplProgram& program);
  bool ParseExpression(GplNode& node);
  bool ParseChain(GplNode& node, int level);
  bool ParseUnary(GplNode& node);
  bool ParsePrimary(GplNode& node);
  bool ParseArguments(GplNode& call);
  bool Enter();

  GplLexer lexer_;
  GplToken token_;
  GplToken previous_;  // the token last taken, to place what is missing after it
  GplToken next_;  // one token of look-ahead, for "NAME =" and "NAME :"
  int depth_ = 0;
  std::optional<GplError> error_;
};
