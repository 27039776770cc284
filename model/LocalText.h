#pragma once
#include <string>

// Texts of the data dictionary and of the user come in the engine's local
// code page; every text handed to the chart library is UTF-8.
std::string Utf8FromLocal(const char* text);
std::string Utf8FromLocal(const std::string& text);

// Null and empty both mean "no text" in the dictionary's label fields.
inline bool HasText(const char* text) { return text != nullptr && *text != '\0'; }
