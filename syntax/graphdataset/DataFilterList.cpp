// The value of DATAFILTER: filters, each a variable name with its attributes
// in parentheses, e.g. gender(VALUES="f" UNLABELED=EXCLUDE) region(VALUES=ALL).

#include <array>
#include <memory>

#include "bind/DataSetBinding.h"
#include "data/DataFilter.h"
#include "host/engine/OperatorCodes.h"
#include "host/engine/ParserMessage.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/graphdataset/GraphDataSetReader.h"

namespace {

bool ReportInvalidValue(const SubcommandTokens& tokens, const std::string& value) {
  ReportTemplate("The ^1 subcommand contains an invalid value (^2) for the DATAFILTER keyword.", {tokens.Name(), value},
                 kLevelError);
  return false;
}

bool IsValue(const TokenInfoObj* token) { return token->IsVarName() || token->IsNumber() || token->IsLiteral(); }

// VALUES=v1 v2 ... up to the closing parenthesis or UNLABELED.
bool ReadValues(GraphDataSetReader& reader, DataFilter& filter) {
  SubcommandTokens& tokens = reader.tokens;
  for (bool first = true;; first = false) {
    const TokenInfoObj* token = tokens.Peek();
    if (!first && (SubcommandTokens::IsOperator(token, kOpCloseParen) || SubcommandTokens::IsWord(token, "UNLABELED")))
      break;
    if (!tokens.TakeValue()) return false;
    if (!IsValue(token)) return ReportInvalidValue(tokens, token->getString());
    filter.AddValue(token->getString());
    if (SubcommandTokens::IsWord(token, "ALL")) filter.allValues = true;
  }
  return !reader.parser.Binding().RefusesFilterVariable(filter.name);
}

struct UnlabeledChoice {
  const char* keyword;
  bool include;
};

constexpr std::array kUnlabeledChoices = {UnlabeledChoice{"INCLUDE", true}, UnlabeledChoice{"EXCLUDE", false}};

bool ReadUnlabeled(GraphDataSetReader& reader, DataFilter& filter) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  int index = SubcommandTokens::KeywordIndex(value, kUnlabeledChoices);
  if (index < 0) return ReportInvalidValue(reader.tokens, value->getString());
  filter.unlabeledInclude = kUnlabeledChoices[static_cast<std::size_t>(index)].include;
  return true;
}

// The attributes after the opening parenthesis, up to the closing one.
bool ReadFilter(GraphDataSetReader& reader, const std::string& variable) {
  SubcommandTokens& tokens = reader.tokens;
  auto filter = std::make_unique<DataFilter>(variable);
  while (true) {
    const TokenInfoObj* token = tokens.TakeValue();
    if (!token) return false;
    if (SubcommandTokens::IsOperator(token, kOpCloseParen)) break;
    bool read = false;
    if (SubcommandTokens::IsWord(token, "VALUES"))
      read = tokens.TakeEqualSign("VALUES") && ReadValues(reader, *filter);
    else if (SubcommandTokens::IsWord(token, "UNLABELED"))
      read = tokens.TakeEqualSign("UNLABELED") && ReadUnlabeled(reader, *filter);
    else
      return ReportInvalidValue(tokens, token->getString());
    if (!read) return false;
  }
  if (!reader.dataSet->IsNewFilter(*filter)) {
    ReportNameDuplicated(filter->name, kLevelError);
    return false;
  }
  reader.dataSet->AddFilter(std::move(filter));
  return true;
}

}  // namespace

bool ReadFilterList(GraphDataSetReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  int filters = 0;
  while (!tokens.AtEnd() && !KeywordFollows(tokens)) {
    const TokenInfoObj* name = tokens.Take();
    if (!name->IsVarName()) return ReportUnknownToken(tokens.Name(), name->getString());
    const TokenInfoObj* open = tokens.TakeValue();
    if (!open) return false;
    if (!SubcommandTokens::IsOperator(open, kOpOpenParen)) {
      reader.parser.Messages().ParenRequired(tokens.Name().c_str());
      return false;
    }
    if (!ReadFilter(reader, name->getString())) return false;
    ++filters;
  }
  if (filters > 0) return true;
  ReportIncomplete(tokens.Name());
  return false;
}
