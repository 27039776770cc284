#include "chartlib/templates/TemplateFiles.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

#include "FetchFile.h"
#include "PathFactory.h"

namespace {

constexpr int kTemplateFolderKind = 4;

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos && name.find('\0') == std::string::npos;
}

std::string FolderOf(const FileReference& reference) {
  return reference.location == kLocationLocal ? PathFactory::getPathInstance(kTemplateFolderKind)
                                              : reference.directory;
}

// The folder as the engine expands it (relative to the command file).
std::filesystem::path ExpandedFolder(const std::string& folder) {
  char expanded[4096];
  if (!ValidateFileSpecificationEx(folder.c_str(), static_cast<int>(folder.size()), 0, expanded, sizeof expanded))
    return {};
  return expanded;
}

// A file of the folder whose name equals wanted ignoring case.
std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& wanted) {
  std::error_code error;
  std::filesystem::directory_iterator entries(ExpandedFolder(folder), error);
  if (error) return std::nullopt;
  for (const auto& entry : entries)
    if (strcasecmp(entry.path().filename().c_str(), wanted.c_str()) == 0) return entry.path().string();
  return std::nullopt;
}

}  // namespace

std::string ReferencedFile(const FileReference& reference, const char* suffix) {
  if (reference.location == kLocationFile) return reference.name;
  if (!IsPlainName(reference.name)) return {};
  return (std::filesystem::path(FolderOf(reference)) / (reference.name + suffix)).string();
}

std::optional<std::string> ReadReferencedFile(const FileReference& reference, const char* suffix) {
  std::string file = ReferencedFile(reference, suffix);
  if (file.empty()) return std::nullopt;
  std::string content = FetchFile::fetch(file, true, true);
  if (content.empty() && reference.location != kLocationFile) {
    if (auto other = FindIgnoringCase(FolderOf(reference), reference.name + suffix))
      content = FetchFile::fetch(*other, true, true);
  }
  if (content.empty()) return std::nullopt;
  return content;
}
