#include "PathFactory.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The engine's shared files lie in share/ggraph beside the folder of the
// engine library (GGRAPH_HOME overrides).
std::string ShareFolder() {
  if (const char* home = std::getenv("GGRAPH_HOME")) return home;
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&PathFactory::getPathInstance), &info) == 0 || !info.dli_fname) return ".";
  return (std::filesystem::path(info.dli_fname).parent_path().parent_path() / "share" / "ggraph").string();
}

}  // namespace

std::string PathFactory::getPathInstance(int kind) {
  constexpr int kStringTables = 3;
  constexpr int kTemplates = 4;
  switch (kind) {
    case kStringTables:
      return ShareFolder() + "/strings";
    case kTemplates:
      return ShareFolder() + "/templates";
    default:
      return ShareFolder();
  }
}
