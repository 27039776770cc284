#include "chartlib/text/Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence at text[at]; sets length to the bytes it used (1 for
// an invalid byte, which gives U+FFFD).
char32_t DecodeOne(std::string_view text, std::size_t at, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  length = 1;
  if (lead < 0x80) return lead;
  std::size_t count;
  char32_t code;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    count = 1, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    count = 2, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    count = 3, code = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  if (at + count >= text.size()) return kReplacement;
  for (std::size_t i = 1; i <= count; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(byte)) return kReplacement;
    code = (code << 6) | (byte & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kReplacement;
  length = count + 1;
  return code;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacement;
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

std::wstring DecodeUtf8(std::string_view utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  for (std::size_t at = 0, length = 0; at < utf8.size(); at += length)
    wide.push_back(static_cast<wchar_t>(DecodeOne(utf8, at, length)));
  return wide;
}

std::string EncodeUtf8(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (wchar_t c : wide) AppendUtf8(out, static_cast<char32_t>(c));
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      length = 1;
      continue;
    }
    if (DecodeOne(text, at, length) == kReplacement && length == 1) return false;
  }
  return true;
}

std::string SanitizeUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
    char32_t code = DecodeOne(text, at, length);
    if (length > 1 || code < 0x80)
      out.append(text.substr(at, length));
    else
      AppendUtf8(out, kReplacement);
  }
  return out;
}
