#include "cli/CommandFileData.h"

#include <cctype>
#include <string_view>

namespace {

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  return text;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

// "examples/data/pbc." or "data/pbc (split by ...)" gives the path alone.
std::string FirstWord(std::string_view text) {
  text = TrimLeft(text);
  std::size_t end = 0;
  while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
  std::string_view word = text.substr(0, end);
  if (!word.empty() && word.back() == '.') word.remove_suffix(1);
  return std::string(word);
}

}  // namespace

std::string DataNamedInComments(std::istream& commands) {
  std::string line;
  while (std::getline(commands, line)) {
    std::string_view text = TrimLeft(line);
    if (text.empty()) continue;
    // The leading comments end at the first command.
    if (text.front() != '*') return {};
    text = TrimLeft(text.substr(1));
    if (StartsWithIgnoringCase(text, "data:")) return FirstWord(text.substr(5));
  }
  return {};
}
