#include "chartlib/gpl/GplLexer.h"

#include <charconv>
#include <cstring>

#include <fmt/format.h>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsNonAscii(char c) { return static_cast<unsigned char>(c) >= 0x80; }
bool StartsName(char c) { return IsLetter(c) || IsNonAscii(c) || (c != '\0' && std::strchr("_$#@", c) != nullptr); }
bool ContinuesName(char c) { return StartsName(c) || IsDigit(c) || c == '.'; }

// Symbols of two characters first, so that "<=" is not read as "<".
constexpr const char* kSymbols[] = {"<=", ">=", "==", "!=", "<>", "(", ")", ",", ":", "=",
                                    "*",  "+",  "/",  "-",  "<",  ">", "!"};

}  // namespace

char GplLexer::Peek(std::size_t ahead) const {
  return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0';
}

void GplLexer::Advance() {
  char c = text_[at_++];
  if (c == '\n') {
    ++line_;
    column_ = 1;
  } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
    ++column_;  // continuation bytes of a UTF-8 character take no column
  }
}

GplToken GplLexer::Start(GplToken::Kind kind) const {
  GplToken token;
  token.kind = kind;
  token.line = line_;
  token.column = column_;
  return token;
}

GplToken GplLexer::Fail(const GplToken& at, const char* expected, std::string found) {
  if (!error_) error_ = GplError{at.line, at.column, expected, std::move(found)};
  at_ = text_.size();
  return Start(GplToken::Kind::kEnd);
}

// False when a comment is left open (the error is set).
bool GplLexer::SkipSpaceAndComments() {
  while (at_ < text_.size()) {
    char c = Peek();
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
      Advance();
    } else if (c == '/' && Peek(1) == '*') {
      GplToken open = Start(GplToken::Kind::kSymbol);
      Advance();
      Advance();
      while (at_ < text_.size() && !(Peek() == '*' && Peek(1) == '/')) Advance();
      if (at_ >= text_.size()) {
        Fail(open, "'*/' to close the comment", "the end of the text");
        return false;
      }
      Advance();
      Advance();
    } else {
      return true;
    }
  }
  return true;
}

GplToken GplLexer::ReadName() {
  GplToken token = Start(GplToken::Kind::kName);
  std::size_t from = at_;
  while (ContinuesName(Peek())) Advance();
  token.text = std::string(text_.substr(from, at_ - from));
  // A constant such as transparency."0.3" or color."ff0000" is one name.
  if (token.text.back() == '.' && (Peek() == '"' || Peek() == '\'')) {
    GplToken value = ReadString();
    if (value.kind == GplToken::Kind::kEnd) return value;
    token.text += fmt::format("\"{}\"", value.text);
  }
  return token;
}

GplToken GplLexer::ReadNumber() {
  GplToken token = Start(GplToken::Kind::kNumber);
  std::size_t from = at_;
  while (IsDigit(Peek())) Advance();
  if (Peek() == '.') {
    Advance();
    while (IsDigit(Peek())) Advance();
  }
  if ((Peek() == 'e' || Peek() == 'E') &&
      (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
    Advance();
    if (!IsDigit(Peek())) Advance();
    while (IsDigit(Peek())) Advance();
  }
  token.text = std::string(text_.substr(from, at_ - from));
  std::from_chars(token.text.data(), token.text.data() + token.text.size(), token.number);
  std::size_t unitFrom = at_;
  if (Peek() == '%') {
    Advance();
  } else {
    while (IsLetter(Peek())) Advance();
  }
  token.unit = std::string(text_.substr(unitFrom, at_ - unitFrom));
  token.text += token.unit;
  return token;
}

GplToken GplLexer::ReadString() {
  GplToken token = Start(GplToken::Kind::kString);
  char quote = Peek();
  Advance();
  while (at_ < text_.size() && Peek() != quote) {
    if (Peek() == '\\' && at_ + 1 < text_.size()) Advance();
    token.text.push_back(Peek());
    Advance();
  }
  if (at_ >= text_.size()) return Fail(token, quote == '"' ? "'\"' to close the string" : "\"'\" to close the string",
                                       "the end of the text");
  Advance();
  return token;
}

GplToken GplLexer::ReadSymbol() {
  GplToken token = Start(GplToken::Kind::kSymbol);
  for (const char* symbol : kSymbols) {
    std::size_t length = std::strlen(symbol);
    if (text_.substr(at_, length) == symbol) {
      for (std::size_t i = 0; i < length; ++i) Advance();
      token.text = symbol;
      return token;
    }
  }
  std::string found = Peek() == '\0' ? "a zero byte" : fmt::format("'{}'", Peek());
  return Fail(token, "a name, number, string or symbol", found);
}

GplToken GplLexer::Next() {
  if (error_ || !SkipSpaceAndComments() || at_ >= text_.size()) return Start(GplToken::Kind::kEnd);
  GplToken token = ReadToken();
  token.endColumn = column_;
  return token;
}

GplToken GplLexer::ReadToken() {
  char c = Peek();
  if (StartsName(c)) return ReadName();
  if (IsDigit(c) || (c == '.' && IsDigit(Peek(1)))) return ReadNumber();
  if (c == '"' || c == '\'') return ReadString();
  return ReadSymbol();
}
