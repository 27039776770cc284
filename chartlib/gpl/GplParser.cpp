#include "chartlib/gpl/GplParser.h"

#include <array>
#include <string>
#include <utility>

namespace {

// Operators of the chain levels, loosest first; below the last level come
// the unary operators.
const std::array<std::vector<const char*>, 3> kChainOperators = {{{"+", "-"}, {"*"}, {"/"}}};
const std::vector<const char*> kComparisons = {"=", "==", "!=", "<>", "<", ">", "<=", ">="};
const std::vector<const char*> kUnaryOperators = {"-", "+", "!"};

bool IsOneOf(const GplToken& token, const std::vector<const char*>& symbols) {
  for (const char* symbol : symbols)
    if (token.Is(symbol)) return true;
  return false;
}

std::string UpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

void PlaceAt(GplNode& node, const GplToken& token) {
  node.line = token.line;
  node.column = token.column;
}

bool Before(const GplError& a, const GplError& b) {
  return a.line < b.line || (a.line == b.line && a.column <= b.column);
}

}  // namespace

GplParser::GplParser(std::string_view text) : lexer_(text) {
  token_ = lexer_.Next();
  next_ = lexer_.Next();
}

void GplParser::Shift() {
  previous_ = std::move(token_);
  token_ = std::move(next_);
  next_ = lexer_.Next();
}

// What is missing at the end of a line is reported there, not at the next
// line's first token: that line may not be the user's (declarations are
// added after the user's GPL) and the fault is where the line stops.
bool GplParser::Fail(const char* expected) {
  if (previous_.kind == GplToken::Kind::kEnd || token_.line == previous_.line) return FailAtToken(expected);
  if (!error_) error_ = GplError{previous_.line, previous_.endColumn, expected, "the end of the line"};
  return false;
}

bool GplParser::FailAtToken(const char* expected) {
  if (!error_) error_ = GplError{token_.line, token_.column, expected, token_.Describe()};
  return false;
}

bool GplParser::Expect(const char* symbol, const char* expected) {
  if (!token_.Is(symbol)) return Fail(expected);
  Shift();
  return true;
}

bool GplParser::Enter() {
  if (depth_ >= kMostNesting) return Fail("at most 100 levels of nesting");
  ++depth_;
  return true;
}

std::optional<GplProgram> GplParser::Parse() {
  GplProgram program;
  while (token_.kind != GplToken::Kind::kEnd && ParseStatement(program)) {
  }
  // A character that is no token ends the token stream early; report it
  // unless the parser stopped at an earlier place.
  const auto& lexical = lexer_.Error();
  if (lexical && (!error_ || Before(*lexical, *error_))) error_ = lexical;
  if (error_) return std::nullopt;
  return program;
}

bool GplParser::ParseStatement(GplProgram& program) {
  if (token_.kind != GplToken::Kind::kName) return FailAtToken("a statement such as ELEMENT:");
  GplStatement statement;
  statement.label = UpperCase(token_.text);
  statement.line = token_.line;
  statement.column = token_.column;
  Shift();
  if (!Expect(":", "':' after the statement name")) return false;
  if (token_.kind == GplToken::Kind::kName && next_.Is("=")) {
    statement.target = token_.text;
    Shift();
    Shift();
  }
  if (!ParseExpression(statement.value)) return false;
  program.statements.push_back(std::move(statement));
  return true;
}

bool GplParser::ParseExpression(GplNode& node) {
  if (!ParseChain(node, 0)) return false;
  if (!IsOneOf(token_, kComparisons)) return true;
  GplNode comparison;
  comparison.kind = GplNode::Kind::kChain;
  comparison.line = node.line;
  comparison.column = node.column;
  comparison.operators.push_back(token_.text);
  comparison.operands.push_back(std::move(node));
  Shift();
  GplNode right;
  if (!ParseChain(right, 0)) return false;
  comparison.operands.push_back(std::move(right));
  node = std::move(comparison);
  return true;
}

bool GplParser::ParseChain(GplNode& node, int level) {
  if (level == static_cast<int>(kChainOperators.size())) return ParseUnary(node);
  const auto& operators = kChainOperators[static_cast<std::size_t>(level)];
  if (!ParseChain(node, level + 1)) return false;
  if (!IsOneOf(token_, operators)) return true;
  GplNode chain;
  chain.kind = GplNode::Kind::kChain;
  chain.line = node.line;
  chain.column = node.column;
  chain.operands.push_back(std::move(node));
  while (IsOneOf(token_, operators)) {
    chain.operators.push_back(token_.text);
    Shift();
    GplNode operand;
    if (!ParseChain(operand, level + 1)) return false;
    chain.operands.push_back(std::move(operand));
  }
  node = std::move(chain);
  return true;
}

bool GplParser::ParseUnary(GplNode& node) {
  if (!IsOneOf(token_, kUnaryOperators)) return ParsePrimary(node);
  if (!Enter()) return false;
  node.kind = GplNode::Kind::kUnary;
  node.text = token_.text;
  PlaceAt(node, token_);
  Shift();
  node.operands.emplace_back();
  bool parsed = ParseUnary(node.operands.back());
  --depth_;
  return parsed;
}

bool GplParser::ParsePrimary(GplNode& node) {
  PlaceAt(node, token_);
  switch (token_.kind) {
    case GplToken::Kind::kNumber:
      node.kind = GplNode::Kind::kNumber;
      node.text = token_.text;
      node.number = token_.number;
      node.unit = token_.unit;
      Shift();
      return true;
    case GplToken::Kind::kString:
      node.kind = GplNode::Kind::kString;
      node.text = token_.text;
      Shift();
      return true;
    case GplToken::Kind::kName:
      node.kind = GplNode::Kind::kName;
      node.text = token_.text;
      Shift();
      return token_.Is("(") ? ParseArguments(node) : true;
    case GplToken::Kind::kSymbol:
    case GplToken::Kind::kEnd:
      break;
  }
  if (!token_.Is("(")) return Fail("an expression");
  if (!Enter()) return false;
  Shift();
  bool parsed = ParseExpression(node) && Expect(")", "')'");
  --depth_;
  return parsed;
}

bool GplParser::ParseArguments(GplNode& call) {
  if (!Enter()) return false;
  call.kind = GplNode::Kind::kCall;
  Shift();
  bool parsed = true;
  if (token_.Is(")")) {
    Shift();
  } else {
    while (parsed) {
      call.operands.emplace_back();
      parsed = ParseExpression(call.operands.back());
      if (!parsed || !token_.Is(",")) break;
      Shift();
    }
    parsed = parsed && Expect(")", "',' or ')'");
  }
  --depth_;
  return parsed;
}
