#include "OmComposite.h"

#include <cctype>

std::string SubstitutePlaceholders(const std::string& pattern, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '^' && i + 1 < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[i + 1])) &&
        pattern[i + 1] != '0') {
      std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < args.size()) {
        out += args[index];
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

void OmComposite::Substitute() { text_ = SubstitutePlaceholders(pattern_, args_); }
