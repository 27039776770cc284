#pragma once
#include <string>

// The UTF-8 form of a text in the engine's local code page, as the chart
// library reads names.
std::string Utf8FromLocalCodePage(const std::string& text);
