#pragma once
#include <string>
#include <vector>

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

  // The index of the entry of table (entries with a `keyword` text) that the
  // token names; -1 when it names none.
  template <typename Table>
  static int KeywordIndex(const TokenInfoObj* token, const Table& table) {
    int index = 0;
    for (const auto& entry : table) {
      if (IsWord(token, entry.keyword)) return index;
      ++index;
    }
    return -1;
  }
  // The keywords of a table, for the reference.
  template <typename Table>
  static std::vector<std::string> KeywordNames(const Table& table) {
    std::vector<std::string> names;
    for (const auto& entry : table) names.emplace_back(entry.keyword);
    return names;
  }

  // Consumes the equal sign that must follow keyword; reports and returns false
  // when it is missing.
  bool TakeEqualSign(const std::string& keyword);
  // Like Take, for a value that must follow: at the end of the tokens the
  // incomplete message is issued and the result is null.
  const TokenInfoObj* TakeValue();
  // Consumes the operator code; otherwise reports the token in its place (the
  // incomplete message at the end) and returns false.
  bool TakeOperator(int code);
  // Like TakeValue, for a quoted literal: any other token is reported and
  // gives null.
  const TokenInfoObj* TakeLiteral();
  // Reads YES (true) or NO (false); otherwise reports and returns false.
  bool TakeYesNo(bool& value);

 private:
  const SubComObj& subcommand_;
  std::string name_;
  int next_;
  int count_;
};
