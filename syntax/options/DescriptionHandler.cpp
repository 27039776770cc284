// DESCRIPTION: names the RFM chart type whose help table follows the charts.

#include <array>

#include "command/GGraphSettings.h"
#include "host/engine/SubComObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/SubcommandTokens.h"

namespace {

constexpr const char* kTextKeyword = "TEXT";

struct DescriptionValue {
  const char* word;
  int type;
};

constexpr std::array kDescriptionValues = {DescriptionValue{"BINCOUNT", 1}, DescriptionValue{"HEATMAP", 2},
                                           DescriptionValue{"HISTOGRAM", 3}, DescriptionValue{"SCATTER", 4}};

}  // namespace

std::vector<std::string> DescriptionKeywords() { return {kTextKeyword}; }

bool HandleDescription(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  SubcommandTokens tokens(subcommand, firstToken);
  if (tokens.Empty()) return ReportIncomplete(tokens.Name());
  const TokenInfoObj* keyword = tokens.Take();
  if (!SubcommandTokens::IsWord(keyword, kTextKeyword))
    return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(keyword));
  if (!tokens.TakeEqualSign(kTextKeyword)) return false;
  const TokenInfoObj* value = tokens.TakeValue();
  if (!value) return false;
  int type = 0;
  for (const DescriptionValue& entry : kDescriptionValues)
    if (SubcommandTokens::IsWord(value, entry.word)) type = entry.type;
  parser.Settings().SetDescriptionType(type);
  if (type == 0) return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(value));
  if (!tokens.AtEnd()) return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(tokens.Peek()));
  return true;
}
