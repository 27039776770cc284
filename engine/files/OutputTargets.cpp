#include "engine/files/OutputTargets.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
  fs::path left = fs::weakly_canonical(fs::absolute(a, error), error);
  fs::path right = fs::weakly_canonical(fs::absolute(b, error), error);
  return left == right;
}

}  // namespace

const std::string* OutputTargets::Find(const std::string& path) const {
  for (const std::string& output : paths_)
    if (SameFile(output, path)) return &output;
  return nullptr;
}
