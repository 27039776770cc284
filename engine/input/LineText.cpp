#include "engine/input/LineText.h"

#include <algorithm>
#include <cctype>

std::string TrimBlanks(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string ToUpper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && ToUpper(text.substr(0, prefix.size())) == ToUpper(prefix);
}

std::string StripCommandComments(const std::string& text) {
  std::string out;
  char quote = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quote) {
      if (c == quote) quote = 0;
      out += c;
    } else if (c == '\'' || c == '"') {
      quote = c;
      out += c;
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      std::size_t end = text.find("*/", i + 2);
      i = end == std::string::npos ? text.size() : end + 1;
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}
