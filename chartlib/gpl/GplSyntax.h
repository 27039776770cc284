#pragma once
#include <string>
#include <vector>

// The syntax tree of a GPL program.
//
// An expression is a name, a number, a string, a call name(arguments), a
// unary operation, or a chain of operands joined by operators of one
// precedence level ("a*b*c", "x+y-z"). Chains are flat, so the depth of the
// tree grows only with nesting, which the parser bounds.
struct GplNode {
  enum class Kind { kName, kNumber, kString, kCall, kUnary, kChain };
  Kind kind = Kind::kName;
  std::string text;  // kName/kCall: the name; kString: the content; kNumber: as written; kUnary: the operator
  double number = 0;  // kNumber
  std::string unit;   // kNumber: "px", "%", ... or empty
  std::vector<GplNode> operands;      // kCall: the arguments; kUnary: one; kChain: two or more
  std::vector<std::string> operators;  // kChain: one fewer than operands
  int line = 0;
  int column = 0;
};

// "LABEL: name = value" or "LABEL: value". The label is upper-cased.
struct GplStatement {
  std::string label;
  std::string target;  // empty when the statement assigns nothing
  GplNode value;
  int line = 0;
  int column = 0;
};

struct GplProgram {
  std::vector<GplStatement> statements;
};
