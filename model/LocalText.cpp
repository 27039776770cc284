#include "model/LocalText.h"

#include "XUtility.h"

std::string Utf8FromLocal(const char* text) { return XUtility::ChartStringFromLocalCodePage(text).toUTF8(); }

std::string Utf8FromLocal(const std::string& text) {
  return XUtility::ChartStringFromLocalCodePage(text).toUTF8();
}
