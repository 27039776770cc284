#pragma once
#include <string_view>

#include "OBS.h"

// A string value as the bytes of its cells, without trailing blanks.
inline std::string_view TrimmedCellText(const OBS* cells, int width) {
  std::string_view text(cells->text, static_cast<std::size_t>(width));
  std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

inline std::string_view TrimTrailingBlanks(std::string_view text) {
  std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}
