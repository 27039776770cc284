#include "syntax/graphdataset/ElementOptions.h"

#include <array>

#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/graphdataset/GraphDataSetReader.h"

namespace {

struct OptionKeyword {
  const char* keyword;
  int counter;
  // The name the option gives; null for LEVEL.
  std::string ElementOptions::*name;
};

// NAME and RENAME are one option.
constexpr std::array kOptionKeywords = {
    OptionKeyword{"NAME", 0, &ElementOptions::gplName}, OptionKeyword{"RENAME", 0, &ElementOptions::gplName},
    OptionKeyword{"HIGH", 1, &ElementOptions::highName}, OptionKeyword{"LOW", 2, &ElementOptions::lowName},
    OptionKeyword{"LEVEL", 3, nullptr}};

struct LevelKeyword {
  const char* keyword;
  std::uint32_t level;
};

constexpr std::array kLevelKeywords = {LevelKeyword{"SCALE", 1}, LevelKeyword{"NOMINAL", 2}, LevelKeyword{"ORDINAL", 3},
                                       LevelKeyword{"FLAG", 4}, LevelKeyword{"TYPELESS", 5}};

bool ReadLevel(SubcommandTokens& tokens, std::uint32_t& level) {
  const TokenInfoObj* value = tokens.TakeValue();
  if (!value) return false;
  int index = SubcommandTokens::KeywordIndex(value, kLevelKeywords);
  if (index < 0) return ReportUnknownToken(tokens.Name(), value->getString());
  level = kLevelKeywords[static_cast<std::size_t>(index)].level;
  return true;
}

bool ReadOption(SubcommandTokens& tokens, const OptionKeyword& option, ElementOptions& options) {
  if (!option.name) return ReadLevel(tokens, options.level);
  const TokenInfoObj* value = tokens.TakeLiteral();
  if (!value) return false;
  options.*option.name = value->getString();
  return true;
}

// Every name given must be new to the data set's list.
bool NoteGivenNames(GGraphDataSet& dataSet, const ElementOptions& options) {
  for (const std::string* name : {&options.gplName, &options.highName, &options.lowName}) {
    if (name->empty() || dataSet.NoteVariableName(*name, true) != 0) continue;
    ReportNameNotUnique(*name, kLevelError);
    return false;
  }
  return true;
}

}  // namespace

bool ReadElementOptions(GraphDataSetReader& reader, ElementOptions& options) {
  SubcommandTokens& tokens = reader.tokens;
  if (!SubcommandTokens::IsOperator(tokens.Peek(), kOpOpenBracket)) return true;
  tokens.Take();
  // The shortest list: a keyword, the equal sign, a value and the bracket.
  if (!tokens.Peek(3)) {
    ReportIncomplete(tokens.Name());
    return false;
  }
  std::array<int, 4> seen{};
  while (true) {
    const TokenInfoObj* token = tokens.TakeValue();
    if (!token) return false;
    int index = SubcommandTokens::KeywordIndex(token, kOptionKeywords);
    if (index < 0) {
      if (SubcommandTokens::IsOperator(token, kOpCloseBracket)) break;
      return ReportUnknownToken(tokens.Name(), token->getString());
    }
    const OptionKeyword& option = kOptionKeywords[static_cast<std::size_t>(index)];
    if (++seen[static_cast<std::size_t>(option.counter)] > 1) return ReportDuplicate(tokens.Name(), option.keyword);
    if (!tokens.TakeEqualSign(option.keyword) || !ReadOption(tokens, option, options)) return false;
  }
  return NoteGivenNames(*reader.dataSet, options);
}
