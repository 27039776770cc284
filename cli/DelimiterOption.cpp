#include "cli/DelimiterOption.h"

namespace {

struct DelimiterName {
  const char* name;
  char delimiter;
};
constexpr DelimiterName kDelimiterNames[] = {
    {.name = "comma", .delimiter = ','},
    {.name = "semicolon", .delimiter = ';'},
    {.name = "tab", .delimiter = '\t'},
    {.name = "pipe", .delimiter = '|'},
};

}  // namespace

char DelimiterNamed(const std::string& text) {
  for (const DelimiterName& entry : kDelimiterNames)
    if (text == entry.name || text == std::string(1, entry.delimiter)) return entry.delimiter;
  return 0;
}

std::string CheckDelimiterName(const std::string& text) {
  return DelimiterNamed(text) ? std::string() : "must be comma, semicolon, tab or pipe";
}
