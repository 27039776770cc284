#include "ModuleLoader.h"

#include <dlfcn.h>

#include <array>
#include <cstdlib>
#include <filesystem>

#include "VexaText.h"

namespace {

// Command names the engine hands to the module, with the entry that runs them.
constexpr std::array<const char*, 4> kEntries = {"GGRAPH", "VGRAPH", "BEGINGPL", "BEGINGSRV"};

std::string EngineLibraryFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ModuleLoader::DefaultPath), &info) == 0 || !info.dli_fname) return ".";
  return std::filesystem::path(info.dli_fname).parent_path().string();
}

}  // namespace

ModuleLoader::ModuleLoader(const std::string& path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (!handle_) error_ = dlerror();
}

ModuleLoader::~ModuleLoader() {
  if (handle_) dlclose(handle_);
}

std::string ModuleLoader::DefaultPath() {
  if (const char* env = std::getenv("GGRAPH_MODULE")) return env;
  return EngineLibraryFolder() + "/libggraphmod.so";
}

ModuleLoader::Entry ModuleLoader::Find(const std::string& command) const {
  if (!handle_) return nullptr;
  for (const char* name : kEntries) {
    if (VEXAMBstricmp_A(name, command.c_str()) == 0)
      return reinterpret_cast<Entry>(dlsym(handle_, name));
  }
  return nullptr;
}
