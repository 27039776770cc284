// FITLINE and STYLE: keywords whose YES sets a flag in the settings at once.

#include <array>
#include <span>

#include "command/GGraphSettings.h"
#include "host/engine/SubComObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/SubcommandTokens.h"

namespace {

struct FlagKeyword {
  const char* keyword;
  void (GGraphSettings::*setOnYes)();
};

constexpr std::array kFitLineKeywords = {FlagKeyword{"TOTAL", &GGraphSettings::SetFitLineTotal},
                                         FlagKeyword{"SUBGROUP", &GGraphSettings::SetFitLineSubgroup}};
constexpr std::array kStyleKeywords = {FlagKeyword{"GRADIENT", &GGraphSettings::SetGradientStyle}};

bool ReadFlagKeywords(GGraphSettings& settings, const SubComObj& subcommand, int firstToken,
                      std::span<const FlagKeyword> keywords) {
  SubcommandTokens tokens(subcommand, firstToken);
  if (tokens.Empty()) return ReportIncomplete(tokens.Name());
  std::array<int, 2> seen{};
  while (!tokens.AtEnd()) {
    const TokenInfoObj* token = tokens.Take();
    std::size_t k = 0;
    while (k < keywords.size() && !SubcommandTokens::IsWord(token, keywords[k].keyword)) ++k;
    if (k == keywords.size()) return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(token));
    if (seen[k]++ > 0) return ReportDuplicate(tokens.Name(), keywords[k].keyword);
    if (!tokens.TakeEqualSign(keywords[k].keyword)) return false;
    const TokenInfoObj* value = tokens.TakeValue();
    if (!value) return false;
    if (SubcommandTokens::IsWord(value, "YES"))
      (settings.*keywords[k].setOnYes)();
    else if (!SubcommandTokens::IsWord(value, "NO"))
      ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(value));  // the keyword has no effect
  }
  return true;
}

}  // namespace

std::vector<std::string> FitLineKeywords() { return SubcommandTokens::KeywordNames(kFitLineKeywords); }
std::vector<std::string> StyleKeywords() { return SubcommandTokens::KeywordNames(kStyleKeywords); }

bool HandleFitLine(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  return ReadFlagKeywords(parser.Settings(), subcommand, firstToken, kFitLineKeywords);
}

bool HandleStyle(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  return ReadFlagKeywords(parser.Settings(), subcommand, firstToken, kStyleKeywords);
}
