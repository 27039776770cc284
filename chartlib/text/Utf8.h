#pragma once
#include <string>
#include <string_view>

// UTF-8 from and to wide text. Invalid input never fails: each byte that does
// not start a valid sequence, a surrogate or a value past U+10FFFF becomes
// U+FFFD.
std::wstring DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::wstring_view wide);
void AppendUtf8(std::string& out, char32_t code);
bool IsValidUtf8(std::string_view text);
// The text with every invalid sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text);
