#pragma once
#include <string>

// One token of a command: a word, a number, a quoted literal or an operator.
class TokenInfoObj {
 public:
  enum Type { kWord = 1, kNumber = 2, kLiteral = 4, kOperator = 5 };

  TokenInfoObj(Type type, std::string text, int operatorCode = 0);

  const char* getString() const { return text_.c_str(); }
  int getType() const { return type_; }
  int getOperatorCode() const { return operatorCode_; }
  long getInteger() const { return static_cast<long>(number_); }
  double getNumeric() const { return number_; }

  bool IsInteger() const { return integer_; }
  bool IsNumber() const { return type_ == kNumber; }
  bool IsString() const { return type_ == kWord || type_ == kLiteral; }
  bool IsLiteral() const { return type_ == kLiteral; }
  bool IsVarName() const { return type_ == kWord; }
  bool IsOperator() const { return type_ == kOperator; }

 private:
  Type type_;
  std::string text_;
  int operatorCode_ = 0;
  double number_ = 0;
  bool integer_ = false;
};
