#pragma once
#include <string>

// The delimiter a user names for plain CSV files: comma, semicolon, tab or
// pipe, by name or as the character itself. 0 for any other text.
char DelimiterNamed(const std::string& text);

// The check of the --delimiter option: empty when the text names a
// delimiter, the reason otherwise.
std::string CheckDelimiterName(const std::string& text);
