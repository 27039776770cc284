#pragma once
#include <string>

// Loads the graph module and finds its command entries.
class ModuleLoader {
 public:
  using Entry = void (*)();

  explicit ModuleLoader(const std::string& path);
  ~ModuleLoader();
  ModuleLoader(const ModuleLoader&) = delete;
  ModuleLoader& operator=(const ModuleLoader&) = delete;

  // GGRAPH_MODULE when set, else libggraphmod.so beside the engine library.
  static std::string DefaultPath();

  bool Loaded() const { return handle_ != nullptr; }
  const std::string& LoadError() const { return error_; }
  // The entry that runs a command (GGRAPH, VGRAPH, BEGINGPL, BEGINGSRV), by
  // name ignoring case; null for any other name.
  Entry Find(const std::string& command) const;

 private:
  void* handle_ = nullptr;
  std::string error_;
};
