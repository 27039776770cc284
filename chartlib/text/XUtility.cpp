#include "XUtility.h"

#include "LocalCodePage.h"
#include "chartlib/text/CodePage.h"

ChartString XUtility::ChartStringFromLocalCodePage(const std::string& text) {
  return ChartString(CodePageToUtf8(text, LocalCodePage()));
}

ChartString XUtility::ChartStringFromLocalCodePage(const char* text) {
  return text ? ChartStringFromLocalCodePage(std::string(text)) : ChartString();
}

// The string tables are UTF-8 files.
ChartString XUtility::ChartStringFromOLANG(const std::string& text) { return ChartString(text); }

ChartString XUtility::ChartStringFromOLANG(const char* text) { return ChartString(text); }
