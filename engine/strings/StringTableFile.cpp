#include "engine/strings/StringTableFile.h"

#include <filesystem>
#include <fstream>

#include "PathFactory.h"

namespace {

std::string Unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += '\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::unordered_map<std::string, std::string> ReadStringTableFile(const std::string& path) {
  std::unordered_map<std::string, std::string> table;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    table.emplace(line.substr(0, tab), Unescape(line.substr(tab + 1)));
  }
  return table;
}

const std::unordered_map<std::string, std::string>& OutputStringTable() {
  static const std::unordered_map<std::string, std::string> table = [] {
    std::unordered_map<std::string, std::string> all;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(PathFactory::getPathInstance(3), ec))
      all.merge(ReadStringTableFile(entry.path().string()));
    return all;
  }();
  return table;
}
