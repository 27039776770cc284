#pragma once
#include <string>

#include "ChartString.h"

// Conversions of engine texts into chart strings.
class XUtility {
 public:
  // Text in the engine's local code page: UTF-8 unless the data named another
  // encoding (then converted with iconv). Bytes that do not convert become
  // U+FFFD. A null text gives the empty string.
  static ChartString ChartStringFromLocalCodePage(const std::string& text);
  static ChartString ChartStringFromLocalCodePage(const char* text);
  // Text in the engine's output language, as the string tables give it (UTF-8).
  static ChartString ChartStringFromOLANG(const std::string& text);
  static ChartString ChartStringFromOLANG(const char* text);
};
