#include "FetchFile.h"

#include <cstdint>
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

// A folder, or a file that can be opened for reading.
bool CanBeReached(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return true;
  return std::filesystem::is_regular_file(path, error) && std::ifstream(path, std::ios::binary).good();
}

// Files named in commands are documents, read whole: a device, a folder or a
// pipe could be endless, and a larger file is no chart document.
constexpr std::uintmax_t kLargestFile = 256u << 20;

bool IsReadableDocument(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  std::uintmax_t size = std::filesystem::file_size(path, error);
  return !error && size <= kLargestFile;
}

}  // namespace

std::string FetchFile::fetch(const std::string& path, bool /*binary*/, bool /*quiet*/) {
  std::filesystem::path resolved = Resolve(path);
  EngineSession* session = EngineSession::Current();
  if (session && session->IsOutputOfTheRun(resolved.string())) return {};
  if (!IsReadableDocument(resolved)) return {};
  std::ifstream in(resolved, std::ios::binary);
  if (!in) return {};
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ValidateFileSpecificationEx(const char* name, int length, int /*flags*/, char* out, int outSize) {
  if (!name || length <= 0 || !out || outSize <= 0) return false;
  std::string text(name, static_cast<std::size_t>(length));
  if (text.find('\0') != std::string::npos) return false;
  std::filesystem::path path = Resolve(text).lexically_normal();
  if (!CanBeReached(path)) return false;
  std::string expanded = path.string();
  if (expanded.size() + 1 > static_cast<std::size_t>(outSize)) return false;
  std::memcpy(out, expanded.c_str(), expanded.size() + 1);
  return true;
}
