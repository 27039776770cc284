#include "FetchFile.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/session/EngineSession.h"

namespace {

std::filesystem::path Resolve(const std::string& name) {
  std::filesystem::path path(name);
  if (path.is_absolute()) return path;
  EngineSession* session = EngineSession::Current();
  return session ? std::filesystem::path(session->BaseFolder()) / path : path;
}

}  // namespace

std::string FetchFile::fetch(const std::string& path, bool /*binary*/, bool /*quiet*/) {
  std::ifstream in(Resolve(path), std::ios::binary);
  if (!in) return {};
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ValidateFileSpecificationEx(const char* name, int length, int /*flags*/, char* out, int outSize) {
  if (!name || length <= 0 || !out || outSize <= 0) return false;
  std::string text(name, static_cast<std::size_t>(length));
  if (text.find('\0') != std::string::npos) return false;
  std::string expanded = Resolve(text).lexically_normal().string();
  if (expanded.size() + 1 > static_cast<std::size_t>(outSize)) return false;
  std::memcpy(out, expanded.c_str(), expanded.size() + 1);
  return true;
}
