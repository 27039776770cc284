#pragma once
#include <string>
#include <string_view>

// Converts text in the named encoding to UTF-8 with iconv. An empty name or
// UTF-8 itself only repairs invalid sequences; so does a name iconv does not
// know. Bytes that do not convert become U+FFFD.
std::string CodePageToUtf8(std::string_view text, const std::string& encoding);
