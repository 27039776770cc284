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
