#pragma once
#include <string>

// Small text helpers of the command reader.
std::string TrimBlanks(const std::string& text);
std::string ToUpper(std::string text);
bool StartsWith(const std::string& text, const std::string& prefix);
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix);
// Removes /* ... */ comments that stand outside quotes.
std::string StripCommandComments(const std::string& text);
