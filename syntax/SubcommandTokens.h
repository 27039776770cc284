#pragma once
#include <string>

class SubComObj;
class TokenInfoObj;

// A cursor over the tokens of one subcommand, with the tests of the keyword
// scheme that every handler shares.
class SubcommandTokens {
 public:
  SubcommandTokens(const SubComObj& subcommand, int first);

  const std::string& Name() const { return name_; }
  bool Empty() const { return count_ == 0; }
  bool AtEnd() const { return next_ >= count_; }
  // The token ahead positions from the cursor; null past the end.
  const TokenInfoObj* Peek(int ahead = 0) const;
  // The token at the cursor, moving past it; null at the end.
  const TokenInfoObj* Take();

  // A keyword is a token other than a quoted literal equal to the word, ignoring case.
  static bool IsWord(const TokenInfoObj* token, const char* word);
  static bool IsOperator(const TokenInfoObj* token, int code);
  static std::string Text(const TokenInfoObj* token);

  // Consumes the equal sign that must follow keyword; reports and returns false
  // when it is missing.
  bool TakeEqualSign(const std::string& keyword);

 private:
  const SubComObj& subcommand_;
  std::string name_;
  int next_;
  int count_;
};
