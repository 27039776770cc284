// FRAME and GRIDLINES: two YES/NO keywords handed to the settings only when
// the whole subcommand has been read.

#include <array>

#include "command/GGraphSettings.h"
#include "host/engine/SubComObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/SubcommandTokens.h"

namespace {

struct TriStateKeyword {
  const char* keyword;
  void (GGraphSettings::*set)(TriState);
};

using TriStatePair = std::array<TriStateKeyword, 2>;

constexpr TriStatePair kFrameKeywords = {TriStateKeyword{"OUTER", &GGraphSettings::SetOuterFrame},
                                         TriStateKeyword{"INNER", &GGraphSettings::SetInnerFrame}};
constexpr TriStatePair kGridlineKeywords = {TriStateKeyword{"XAXIS", &GGraphSettings::SetXAxisGridlines},
                                            TriStateKeyword{"YAXIS", &GGraphSettings::SetYAxisGridlines}};

constexpr TriState kYes = 1;
constexpr TriState kNo = 2;

bool ReadTriStatePair(GGraphSettings& settings, const SubComObj& subcommand, int firstToken,
                      const TriStatePair& keywords) {
  SubcommandTokens tokens(subcommand, firstToken);
  if (tokens.Empty()) return ReportIncomplete(tokens.Name());
  std::array<TriState, 2> values{};
  std::array<int, 2> seen{};
  while (!tokens.AtEnd()) {
    const TokenInfoObj* token = tokens.Take();
    std::size_t k = 0;
    while (k < keywords.size() && !SubcommandTokens::IsWord(token, keywords[k].keyword)) ++k;
    if (k == keywords.size()) return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(token));
    if (seen[k]++ > 0) return ReportDuplicate(tokens.Name(), keywords[k].keyword);
    if (!tokens.TakeEqualSign(keywords[k].keyword)) return false;
    bool yes = false;
    if (!tokens.TakeYesNo(yes)) return false;
    values[k] = yes ? kYes : kNo;
  }
  for (std::size_t k = 0; k < keywords.size(); ++k) (settings.*keywords[k].set)(values[k]);
  return true;
}

}  // namespace

std::vector<std::string> FrameKeywords() { return SubcommandTokens::KeywordNames(kFrameKeywords); }
std::vector<std::string> GridlinesKeywords() { return SubcommandTokens::KeywordNames(kGridlineKeywords); }

bool HandleFrame(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  return ReadTriStatePair(parser.Settings(), subcommand, firstToken, kFrameKeywords);
}

bool HandleGridlines(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  return ReadTriStatePair(parser.Settings(), subcommand, firstToken, kGridlineKeywords);
}
