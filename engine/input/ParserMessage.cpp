#include "ParserMessage.h"

#include <array>
#include <cctype>
#include <string_view>

#include "engine/output/EngineErrors.h"
#include "engine/text/NumberText.h"

void ParserMessage::ParenRequired(const char* subcommand) const {
  ReportEngineError(kErrParenRequired, {title_, subcommand});
}

void ParserMessage::ParamValueBreakBdry(double value, double low, int lowInclusive, double high, int highInclusive,
                                        const char* keyword, const char* subcommand) const {
  std::string lowText = ShortestNumberText(low) + (lowInclusive ? " (inclusive)" : " (exclusive)");
  std::string highText = ShortestNumberText(high) + (highInclusive ? " (inclusive)" : " (exclusive)");
  ReportEngineError(kErrValueOutOfRange, {title_, subcommand, ShortestNumberText(value), keyword, lowText, highText});
}

namespace {

constexpr std::size_t kMaxNameBytes = 64;

// Words that the engine reserves: they can never name anything.
constexpr std::array<std::string_view, 13> kReservedWords = {"ALL", "AND", "BY",  "EQ", "GE", "GT",  "LE",
                                                              "LT",  "NE",  "NOT", "OR", "TO", "WITH"};

bool IsReserved(std::string_view name) {
  for (std::string_view word : kReservedWords) {
    if (word.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < word.size() && same; ++i)
      same = std::toupper(static_cast<unsigned char>(name[i])) == word[i];
    if (same) return true;
  }
  return false;
}

bool IsNameChar(unsigned char c) {
  return std::isalnum(c) || c == '_' || c == '.' || c == '$' || c == '#' || c == '@' || c >= 0x80;
}

}  // namespace

int ValidateVEXAName(const char* name) {
  std::string_view text = name ? name : "";
  if (text.empty()) return 3;
  if (text.size() > kMaxNameBytes) return 4;
  unsigned char first = static_cast<unsigned char>(text[0]);
  if (!(std::isalpha(first) || first == '@' || first == '#' || first == '$' || first >= 0x80)) return 5;
  for (unsigned char c : text)
    if (!IsNameChar(c)) return 6;
  if (text.back() == '.') return 7;
  if (IsReserved(text)) return 8;
  return first == '#' ? 100 : 0;
}
