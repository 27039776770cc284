// COLORCYCLE: user colours COLORn(red, green, blue), appended in colour order.

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <vector>

#include "command/GGraphSettings.h"
#include "host/engine/OperatorCodes.h"
#include "host/engine/ParserMessage.h"
#include "host/engine/SubComObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/SubcommandTokens.h"

namespace {

constexpr const char* kColorPrefix = "COLOR";
constexpr std::size_t kColorPrefixLength = 5;
constexpr long kMaxComponent = 255;

// The colour number of a COLORn keyword; 0 when the token is no such keyword.
long ColorNumber(const TokenInfoObj* token) {
  if (!token || token->getType() == TokenInfoObj::kLiteral) return 0;
  const char* text = token->getString();
  std::size_t length = std::strlen(text);
  if (length <= kColorPrefixLength) return 0;
  for (std::size_t i = 0; i < kColorPrefixLength; ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != kColorPrefix[i]) return 0;
  long number = 0;
  for (const char* p = text + kColorPrefixLength; *p; ++p) {
    if (!std::isdigit(static_cast<unsigned char>(*p)) || number > 100000000) return 0;
    number = number * 10 + (*p - '0');
  }
  return number;
}

class ColorCycleReader {
 public:
  ColorCycleReader(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken)
      : parser_(parser), tokens_(subcommand, firstToken) {}

  bool Read() {
    if (tokens_.Empty()) return ReportIncomplete(tokens_.Name());
    while (!tokens_.AtEnd()) {
      if (!ReadColor()) return false;
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const ColorEntry& a, const ColorEntry& b) { return a.number < b.number; });
    for (const ColorEntry& entry : entries_) parser_.Settings().AddColorEntry(entry);
    return true;
  }

 private:
  bool ReadColor() {
    const TokenInfoObj* keyword = tokens_.Take();
    long number = ColorNumber(keyword);
    std::string name = SubcommandTokens::Text(keyword);
    if (number <= 0) return ReportUnknownToken(tokens_.Name(), name);
    for (const ColorEntry& entry : entries_)
      if (entry.number == number) return ReportDuplicate(tokens_.Name(), name);
    if (tokens_.AtEnd()) return Incomplete();
    if (!SubcommandTokens::IsOperator(tokens_.Take(), kOpOpenParen)) {
      parser_.Messages().ParenRequired(tokens_.Name().c_str());
      return false;
    }
    std::array<std::int32_t, 3> rgb{};
    for (std::int32_t& component : rgb) {
      if (!ReadComponent(name, component)) return false;
    }
    if (tokens_.AtEnd()) return Incomplete();
    if (!SubcommandTokens::IsOperator(tokens_.Take(), kOpCloseParen))
      return ReportThreeIntegersRequired(tokens_.Name(), name);
    entries_.push_back(ColorEntry{static_cast<std::int32_t>(number), rgb[0], rgb[1], rgb[2]});
    return true;
  }

  bool ReadComponent(const std::string& keyword, std::int32_t& component) {
    const TokenInfoObj* token = tokens_.Take();
    if (!token) return Incomplete();
    if (!token->IsInteger()) return ReportThreeIntegersRequired(tokens_.Name(), keyword);
    long value = token->getInteger();
    if (value < 0 || value > kMaxComponent) {
      parser_.Messages().ParamValueBreakBdry(static_cast<double>(value), 0.0, 1, static_cast<double>(kMaxComponent),
                                             1, keyword.c_str(), tokens_.Name().c_str());
      return false;
    }
    component = static_cast<std::int32_t>(value);
    return true;
  }

  bool Incomplete() {
    ReportIncomplete(tokens_.Name());
    return false;
  }

  GGraphCommandParser& parser_;
  SubcommandTokens tokens_;
  std::vector<ColorEntry> entries_;
};

}  // namespace

// COLOR and the colour's number: COLOR1, COLOR2 and so on.
std::vector<std::string> ColorCycleKeywords() { return {std::string(kColorPrefix) + "n"}; }

bool HandleColorCycle(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  return ColorCycleReader(parser, subcommand, firstToken).Read();
}
