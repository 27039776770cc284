#include "chartlib/render/PictureFileName.h"

#include <fmt/format.h>

#include <cctype>

namespace {

constexpr std::size_t kLongestSlug = 60;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string DescriptionSlug(const std::string& description) {
  std::string slug;
  for (char c : description) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || std::isalnum(byte)) {
      slug.push_back(byte < 0x80 ? static_cast<char>(std::tolower(byte)) : c);
    } else if (!slug.empty() && slug.back() != '-') {
      slug.push_back('-');
    }
  }
  if (slug.size() > kLongestSlug) {
    std::size_t end = kLongestSlug;
    while (end > 0 && IsContinuationByte(slug[end])) --end;
    slug.resize(end);
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return slug.empty() ? "chart" : slug;
}

std::string PictureFileStem(int order, const std::string& description, int splitGroup) {
  std::string stem = fmt::format("{:02}-{}", order, DescriptionSlug(description));
  if (splitGroup > 1) stem += fmt::format("-{}", splitGroup);
  return stem;
}
