#include "engine/data/Utf8Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The bytes after a lead byte and the range of the first of them; 0 for a
// byte that cannot begin a sequence.
struct Lead {
  int following;
  unsigned char low = 0x80, high = 0xBF;
};

Lead LeadOf(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return {1};
  if (c == 0xE0) return {2, 0xA0, 0xBF};
  if (c == 0xED) return {2, 0x80, 0x9F};  // not a surrogate
  if (c >= 0xE1 && c <= 0xEF) return {2};
  if (c == 0xF0) return {3, 0x90, 0xBF};
  if (c >= 0xF1 && c <= 0xF3) return {3};
  if (c == 0xF4) return {3, 0x80, 0x8F};  // at most U+10FFFF
  return {0};
}

bool AllAscii(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return (word & 0x8080808080808080ULL) == 0;
}

}  // namespace

std::size_t FirstInvalidUtf8(std::string_view text, std::size_t* length) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    while (i + 8 <= n && AllAscii(s + i)) i += 8;
    if (i == n) break;
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    Lead lead = LeadOf(s[i]);
    if (lead.following == 0) {
      *length = 1;
      return i;
    }
    for (int k = 1; k <= lead.following; ++k) {
      unsigned char low = k == 1 ? lead.low : 0x80, high = k == 1 ? lead.high : 0xBF;
      if (i + k >= n || s[i + k] < low || s[i + k] > high) {
        *length = static_cast<std::size_t>(k);
        return i;
      }
    }
    i += static_cast<std::size_t>(lead.following) + 1;
  }
  *length = 0;
  return n;
}

std::string HexBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string shown;
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    shown += "\\x";
    shown += kDigits[byte >> 4];
    shown += kDigits[byte & 15];
  }
  return shown;
}

std::string NotUtf8Problem(std::string_view text) {
  constexpr std::size_t kShownBytes = 60;
  std::size_t length;
  std::size_t at = FirstInvalidUtf8(text, &length);
  if (at == text.size()) return {};
  const std::string bytes = HexBytes(text.substr(at, length));
  std::size_t cut = std::min(kShownBytes, text.size());
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  std::string shown;
  for (std::string_view rest = text.substr(0, cut); !rest.empty();) {
    std::size_t bad = FirstInvalidUtf8(rest, &length);
    shown += rest.substr(0, bad);
    if (bad == rest.size()) break;
    shown += HexBytes(rest.substr(bad, length));
    rest.remove_prefix(bad + length);
  }
  if (cut < text.size()) shown += "...";
  return "the value '" + shown + "' is not UTF-8 text (the bytes " + bytes + "); " + kDeclareEncodingHint;
}
