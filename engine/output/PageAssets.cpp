#include "engine/output/PageAssets.h"

#include <filesystem>
#include <fstream>
#include <cctype>
#include <sstream>

namespace {

constexpr const char* kLibraries[] = {
    "node_modules/vega/build/vega.min.js",
    "node_modules/vega-lite/build/vega-lite.min.js",
    "node_modules/vega-embed/build/vega-embed.min.js",
};

bool ReadFile(const std::filesystem::path& path, std::string& content, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path.string();
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  content = text.str();
  return true;
}

// Puts a backslash after the first character of every occurrence of what
// (compared ignoring case): inside a script's strings, where such text
// stands, that means the same text.
std::string EscapeAfterFirst(const std::string& text, const std::string& what) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = lower.find(what); at != std::string::npos; at = lower.find(what, from)) {
    result.append(text, from, at + 1 - from).append("\\");
    from = at + 1;
  }
  return result.append(text, from);
}

// Script text made safe to stand inline: no source-map comment (the page has
// no map beside it, so a browser would ask for a missing file), and nothing
// that would end the element or open a comment inside it.
std::string InlineScript(std::string text) {
  const std::string sourceMap = "//# sourceMappingURL=";
  for (std::size_t at = text.find(sourceMap); at != std::string::npos; at = text.find(sourceMap, at))
    text.erase(at, text.find('\n', at) - at);
  return EscapeAfterFirst(EscapeAfterFirst(text, "</script"), "<!--");
}

}  // namespace

std::optional<PageAssets> PageAssets::Load(std::string& error) { return LoadFrom(GGRAPH_SOURCE_DIR, error); }

std::optional<PageAssets> PageAssets::LoadFrom(const std::string& sourceFolder, std::string& error) {
  std::filesystem::path root(sourceFolder);
  PageAssets assets;
  std::string script;
  if (!ReadFile(root / "engine/output/page/page.css", assets.style, error)) return std::nullopt;
  if (!ReadFile(root / "engine/output/page/page.js", script, error)) return std::nullopt;
  assets.script = InlineScript(script);
  for (const char* library : kLibraries) {
    std::string text;
    if (!ReadFile(root / library, text, error)) return std::nullopt;
    assets.libraries += "<script>" + InlineScript(text) + "</script>\n";
  }
  return assets;
}
