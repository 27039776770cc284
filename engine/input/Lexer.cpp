#include "engine/input/Lexer.h"

#include <array>
#include <cctype>
#include <string_view>

#include "OperatorCodes.h"
#include "engine/output/EngineErrors.h"

namespace {

struct OperatorEntry {
  std::string_view text;
  int code;
};

// Longest operators first, so that "<=" is not read as "<" and "=".
constexpr std::array kOperators = {
    OperatorEntry{"**", 20}, OperatorEntry{"<=", 21}, OperatorEntry{">=", 22}, OperatorEntry{"~=", 23},
    OperatorEntry{"<>", 24}, OperatorEntry{"=", kOpEqual}, OperatorEntry{"(", kOpOpenParen},
    OperatorEntry{")", kOpCloseParen}, OperatorEntry{"[", kOpOpenBracket}, OperatorEntry{"]", kOpCloseBracket},
    OperatorEntry{"+", 1}, OperatorEntry{"-", 2}, OperatorEntry{"*", 4}, OperatorEntry{"/", 5},
    OperatorEntry{"<", 6}, OperatorEntry{">", 7}, OperatorEntry{"&", 8}, OperatorEntry{"|", 9},
    OperatorEntry{"~", 10}, OperatorEntry{":", 11}, OperatorEntry{";", 12}, OperatorEntry{"{", 15},
    OperatorEntry{"}", 16}, OperatorEntry{"!", 17}, OperatorEntry{"?", 18}, OperatorEntry{".", 19},
};

bool IsWordStart(unsigned char c) { return std::isalpha(c) || c == '$' || c == '#' || c == '@' || c == '_' || c >= 0x80; }
bool IsWordChar(unsigned char c) { return IsWordStart(c) || std::isdigit(c); }

class Scanner {
 public:
  Scanner(const std::string& text, int line) : text_(text), line_(line) {}

  Lexer::Result Run() {
    while (pos_ < text_.size() && !result_.error) Step();
    return std::move(result_);
  }

 private:
  char Peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

  void Step() {
    unsigned char c = static_cast<unsigned char>(Peek());
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (std::isspace(c) || c == ',') {
      ++pos_;
    } else if (c == '\'' || c == '"') {
      ReadLiteral(static_cast<char>(c));
    } else if (std::isdigit(c) || (c == '.' && std::isdigit(static_cast<unsigned char>(Peek(1)))) ||
               (c == '-' && StartsNegativeNumber())) {
      ReadNumber();
    } else if (IsWordStart(c)) {
      ReadWord();
    } else {
      ReadOperator();
    }
  }

  // A minus sign is part of a number where no value stands before it.
  bool StartsNegativeNumber() const {
    unsigned char next = static_cast<unsigned char>(Peek(1));
    if (!std::isdigit(next) && !(next == '.' && std::isdigit(static_cast<unsigned char>(Peek(2))))) return false;
    if (result_.tokens.empty()) return true;
    const TokenInfoObj& last = result_.tokens.back();
    return last.IsOperator() && last.getOperatorCode() != kOpCloseParen && last.getOperatorCode() != kOpCloseBracket;
  }

  void ReadLiteral(char quote) {
    int startLine = line_;
    std::string value;
    ++pos_;
    while (true) {
      if (pos_ >= text_.size() || text_[pos_] == '\n') {
        ReportEngineError(kErrUnterminatedLiteral, {std::to_string(startLine)});
        result_.error = true;
        return;
      }
      char c = text_[pos_++];
      if (c == quote) {
        if (Peek() != quote) break;
        ++pos_;  // a doubled quote stands for one
      }
      value += c;
    }
    result_.tokens.emplace_back(TokenInfoObj::kLiteral, std::move(value));
  }

  void ReadNumber() {
    std::size_t start = pos_;
    if (Peek() == '-') ++pos_;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) ++pos_;
    if (Peek() == '.' && std::isdigit(static_cast<unsigned char>(Peek(1)))) {
      ++pos_;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) ++pos_;
    }
    if ((Peek() == 'e' || Peek() == 'E') &&
        (std::isdigit(static_cast<unsigned char>(Peek(1))) ||
         ((Peek(1) == '-' || Peek(1) == '+') && std::isdigit(static_cast<unsigned char>(Peek(2)))))) {
      pos_ += 2;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) ++pos_;
    }
    result_.tokens.emplace_back(TokenInfoObj::kNumber, text_.substr(start, pos_ - start));
  }

  void ReadWord() {
    std::size_t start = pos_;
    while (pos_ < text_.size()) {
      unsigned char c = static_cast<unsigned char>(Peek());
      // A period belongs to a name when more of the name follows it.
      if (IsWordChar(c) || (c == '.' && IsWordChar(static_cast<unsigned char>(Peek(1)))))
        ++pos_;
      else
        break;
    }
    result_.tokens.emplace_back(TokenInfoObj::kWord, text_.substr(start, pos_ - start));
  }

  void ReadOperator() {
    std::string_view rest(text_.data() + pos_, text_.size() - pos_);
    for (const OperatorEntry& op : kOperators) {
      if (rest.substr(0, op.text.size()) == op.text) {
        result_.tokens.emplace_back(TokenInfoObj::kOperator, std::string(op.text), op.code);
        pos_ += op.text.size();
        return;
      }
    }
    ReportEngineError(kErrUnexpectedCharacter, {std::string(1, Peek()), std::to_string(line_)});
    result_.error = true;
  }

  const std::string& text_;
  std::size_t pos_ = 0;
  int line_;
  Lexer::Result result_;
};

}  // namespace

Lexer::Result Lexer::Tokenize(const std::string& text, int firstLine) { return Scanner(text, firstLine).Run(); }
