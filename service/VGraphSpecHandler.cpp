// GRAPHSPEC of VGRAPH: only SOURCE=INLINE, which may repeat.

#include "command/GGraphSettings.h"
#include "graphspec/GraphSpec.h"
#include "host/engine/SubComObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/SubcommandTokens.h"

namespace {

constexpr const char* kSourceKeyword = "SOURCE";

}  // namespace

std::vector<std::string> VGraphSpecKeywords() { return {kSourceKeyword}; }

bool HandleVGraphSpec(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  SubcommandTokens tokens(subcommand, firstToken);
  if (tokens.Empty()) return ReportIncomplete(tokens.Name());
  while (!tokens.AtEnd()) {
    const TokenInfoObj* keyword = tokens.Take();
    if (!SubcommandTokens::IsWord(keyword, kSourceKeyword))
      return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(keyword));
    if (!tokens.TakeEqualSign(kSourceKeyword)) return false;
    const TokenInfoObj* value = tokens.TakeValue();
    if (!value) return false;
    if (!SubcommandTokens::IsWord(value, "INLINE"))
      return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(value));
  }
  parser.Settings().AddGraphSpec(new GraphSpec);
  return true;
}
