#include "chartlib/output/JsonValues.h"

#include <cmath>

#include "OBS.h"
#include "chartlib/text/Utf8.h"

namespace {

void WriteValidText(JsonWriter& json, std::string_view text) {
  json.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

}  // namespace

void WriteText(JsonWriter& json, std::string_view text) {
  if (IsValidUtf8(text)) {
    WriteValidText(json, text);
    return;
  }
  WriteValidText(json, SanitizeUtf8(text));
}

void WriteNumber(JsonWriter& json, double value) {
  if (!std::isfinite(value) || value == kSysMiss)
    json.Null();
  else
    json.Double(value);
}

void WriteField(JsonWriter& json, const char* key, std::string_view text) {
  json.Key(key);
  WriteText(json, text);
}

void WriteField(JsonWriter& json, const char* key, const char* text) { WriteField(json, key, std::string_view(text)); }

void WriteField(JsonWriter& json, const char* key, int value) {
  json.Key(key);
  json.Int(value);
}

void WriteField(JsonWriter& json, const char* key, bool value) {
  json.Key(key);
  json.Bool(value);
}

void WriteTextList(JsonWriter& json, const char* key, const std::vector<std::string>& texts) {
  json.Key(key);
  json.StartArray();
  for (const std::string& text : texts) WriteText(json, text);
  json.EndArray();
}

void WriteRawJson(JsonWriter& json, const std::string& text) {
  json.RawValue(text.c_str(), text.size(), rapidjson::kObjectType);
}
