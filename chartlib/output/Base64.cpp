#include "chartlib/output/Base64.h"

std::string EncodeBase64(std::string_view bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t at = 0; at < bytes.size(); at += 3) {
    std::size_t left = bytes.size() - at;
    unsigned group = static_cast<unsigned char>(bytes[at]) << 16;
    if (left > 1) group |= static_cast<unsigned char>(bytes[at + 1]) << 8;
    if (left > 2) group |= static_cast<unsigned char>(bytes[at + 2]);
    out.push_back(kDigits[(group >> 18) & 63]);
    out.push_back(kDigits[(group >> 12) & 63]);
    out.push_back(left > 1 ? kDigits[(group >> 6) & 63] : '=');
    out.push_back(left > 2 ? kDigits[group & 63] : '=');
  }
  return out;
}

std::string DecodeBase64(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 4 * 3);
  unsigned group = 0;
  int bits = 0;
  for (char c : text) {
    int digit = c >= 'A' && c <= 'Z'   ? c - 'A'
                : c >= 'a' && c <= 'z' ? c - 'a' + 26
                : c >= '0' && c <= '9' ? c - '0' + 52
                : c == '+'             ? 62
                : c == '/'             ? 63
                : c == '='             ? -2
                                       : -1;
    if (digit == -2) break;
    if (digit < 0) continue;
    group = (group << 6) | static_cast<unsigned>(digit);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out.push_back(static_cast<char>((group >> bits) & 0xFF));
    }
  }
  return out;
}
