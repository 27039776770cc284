#include "syntax/SubcommandTokens.h"

#include "host/engine/OperatorCodes.h"
#include "host/engine/SubComObj.h"
#include "host/engine/VexaText.h"
#include "report/SyntaxMessages.h"

SubcommandTokens::SubcommandTokens(const SubComObj& subcommand, int first)
    : subcommand_(subcommand), name_(subcommand.getSubComName()), next_(first), count_(subcommand.getTokenListSize()) {}

const TokenInfoObj* SubcommandTokens::Peek(int ahead) const {
  int index = next_ + ahead;
  return index < count_ ? subcommand_.getTokenObj(index) : nullptr;
}

const TokenInfoObj* SubcommandTokens::Take() {
  const TokenInfoObj* token = Peek();
  if (token) ++next_;
  return token;
}

bool SubcommandTokens::IsWord(const TokenInfoObj* token, const char* word) {
  return token && token->getType() != TokenInfoObj::kLiteral && VEXAMBstricmp_A(token->getString(), word) == 0;
}

bool SubcommandTokens::IsOperator(const TokenInfoObj* token, int code) {
  return token && token->getType() == TokenInfoObj::kOperator && token->getOperatorCode() == code;
}

std::string SubcommandTokens::Text(const TokenInfoObj* token) { return token ? token->getString() : std::string(); }

bool SubcommandTokens::TakeEqualSign(const std::string& keyword) {
  if (!IsOperator(Peek(), kOpEqual)) return ReportEqualSignRequired(name_, keyword);
  Take();
  return true;
}

const TokenInfoObj* SubcommandTokens::TakeValue() {
  const TokenInfoObj* token = Take();
  if (!token) ReportIncomplete(name_);
  return token;
}

bool SubcommandTokens::TakeOperator(int code) {
  const TokenInfoObj* token = TakeValue();
  if (!token) return false;
  return IsOperator(token, code) || ReportUnknownToken(name_, Text(token));
}

const TokenInfoObj* SubcommandTokens::TakeLiteral() {
  const TokenInfoObj* token = TakeValue();
  if (token && !token->IsLiteral()) {
    ReportUnknownToken(name_, Text(token));
    return nullptr;
  }
  return token;
}

bool SubcommandTokens::TakeYesNo(bool& value) {
  const TokenInfoObj* token = TakeValue();
  if (!token) return false;
  if (IsWord(token, "YES"))
    value = true;
  else if (IsWord(token, "NO"))
    value = false;
  else
    return ReportUnknownToken(name_, Text(token));
  return true;
}
