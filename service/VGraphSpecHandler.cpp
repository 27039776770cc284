// GRAPHSPEC of VGRAPH: only SOURCE=INLINE, which may repeat.

#include "command/GGraphSettings.h"
#include "graphspec/GraphSpec.h"
#include "host/engine/SubComObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/SubcommandTokens.h"

bool HandleVGraphSpec(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  SubcommandTokens tokens(subcommand, firstToken);
  if (tokens.Empty()) return ReportIncomplete(tokens.Name());
  while (!tokens.AtEnd()) {
    const TokenInfoObj* keyword = tokens.Take();
    if (!SubcommandTokens::IsWord(keyword, "SOURCE"))
      return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(keyword));
    if (!tokens.TakeEqualSign("SOURCE")) return false;
    const TokenInfoObj* value = tokens.TakeValue();
    if (!value) return false;
    if (!SubcommandTokens::IsWord(value, "INLINE"))
      return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(value));
  }
  parser.Settings().AddGraphSpec(new GraphSpec);
  return true;
}
