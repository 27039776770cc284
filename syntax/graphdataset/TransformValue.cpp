// The value of TRANSFORM: NO, or VARSTOCASES with optional column names,
// e.g. VARSTOCASES(SUMMARY="value" INDEX="which").

#include <array>
#include <string>

#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/graphdataset/GraphDataSetReader.h"

namespace {

struct ColumnKeyword {
  const char* keyword;
};

// In the order the data set takes the names.
constexpr std::array kColumnKeywords = {ColumnKeyword{"SUMMARY"}, ColumnKeyword{"INDEX"}, ColumnKeyword{"LOW"},
                                        ColumnKeyword{"HIGH"}};

using ColumnNames = std::array<std::string, kColumnKeywords.size()>;

bool IsOpening(const TokenInfoObj* token) {
  return SubcommandTokens::IsOperator(token, kOpOpenParen) || SubcommandTokens::IsOperator(token, kOpOpenBracket);
}

bool IsClosing(const TokenInfoObj* token) {
  return SubcommandTokens::IsOperator(token, kOpCloseParen) || SubcommandTokens::IsOperator(token, kOpCloseBracket);
}

// The names after the opening parenthesis, up to the closing one.
bool ReadColumnNames(SubcommandTokens& tokens, ColumnNames& names) {
  std::array<bool, kColumnKeywords.size()> seen{};
  while (true) {
    const TokenInfoObj* token = tokens.TakeValue();
    if (!token) return false;
    if (IsClosing(token)) return true;
    int index = SubcommandTokens::KeywordIndex(token, kColumnKeywords);
    if (index < 0) return ReportUnknownToken(tokens.Name(), token->getString());
    auto column = static_cast<std::size_t>(index);
    if (seen[column]) return ReportDuplicate(tokens.Name(), kColumnKeywords[column].keyword);
    seen[column] = true;
    if (!tokens.TakeEqualSign(kColumnKeywords[column].keyword)) return false;
    const TokenInfoObj* name = tokens.TakeValue();
    if (!name) return false;
    names[column] = name->getString();
  }
}

bool ReadVarsToCases(SubcommandTokens& tokens, GGraphDataSet& dataSet) {
  ColumnNames names;
  // A list needs at least its parentheses and one name with its keyword.
  bool hasList = tokens.Peek(4) && IsOpening(tokens.Peek());
  if (hasList) {
    tokens.Take();
    if (!ReadColumnNames(tokens, names)) return false;
  }
  dataSet.SetVarsToCases(names[0], names[1], names[2], names[3]);
  return true;
}

}  // namespace

bool ReadTransform(GraphDataSetReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  const TokenInfoObj* value = tokens.TakeValue();
  if (!value) return false;
  if (SubcommandTokens::IsWord(value, "NO")) return true;
  if (SubcommandTokens::IsWord(value, "VARSTOCASES")) return ReadVarsToCases(tokens, *reader.dataSet);
  return ReportUnknownToken(tokens.Name(), value->getString());
}
