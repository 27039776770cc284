#include "chartlib/gpl/GplToken.h"

#include <fmt/format.h>

namespace {

// Long tokens are cut in messages.
std::string Excerpt(const std::string& text) {
  constexpr std::size_t kMost = 40;
  if (text.size() <= kMost) return text;
  std::size_t cut = kMost;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // whole characters only
  return fmt::format("{}...", text.substr(0, cut));
}

}  // namespace

std::string GplToken::Describe() const {
  switch (kind) {
    case Kind::kEnd:
      return "the end of the text";
    case Kind::kString:
      return fmt::format("the string \"{}\"", Excerpt(text));
    case Kind::kNumber:
      return fmt::format("the number {}", Excerpt(text));
    case Kind::kName:
    case Kind::kSymbol:
      break;
  }
  return fmt::format("'{}'", Excerpt(text));
}
