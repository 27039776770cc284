#pragma once
#include <string>
#include <string_view>

// Standard base64 with padding, for binary content in the output document.
std::string EncodeBase64(std::string_view bytes);
// The bytes of standard base64 text; characters outside the alphabet (line
// breaks) are skipped, padding ends the text.
std::string DecodeBase64(std::string_view text);
