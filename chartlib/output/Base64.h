#pragma once
#include <string>
#include <string_view>

// Standard base64 with padding, for binary content in the output document.
std::string EncodeBase64(std::string_view bytes);
