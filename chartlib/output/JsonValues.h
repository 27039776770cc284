#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "JsonWriter.h"

// Small writers for the chart items of the output document. Texts are
// written as valid UTF-8 (invalid sequences become U+FFFD); numbers that JSON
// cannot hold (NaN, infinities) and the system-missing value become null.
void WriteText(JsonWriter& json, std::string_view text);
void WriteNumber(JsonWriter& json, double value);
void WriteField(JsonWriter& json, const char* key, std::string_view text);
void WriteField(JsonWriter& json, const char* key, const char* text);  // not the bool overload
void WriteField(JsonWriter& json, const char* key, int value);
void WriteField(JsonWriter& json, const char* key, bool value);
void WriteTextList(JsonWriter& json, const char* key, const std::vector<std::string>& texts);
// A text known to be valid JSON, embedded as it is.
void WriteRawJson(JsonWriter& json, const std::string& text);
