#include "report/Utf8FromLocalCodePage.h"

#include "host/chart/XUtility.h"

std::string Utf8FromLocalCodePage(const std::string& text) {
  return XUtility::ChartStringFromLocalCodePage(text).toUTF8();
}
