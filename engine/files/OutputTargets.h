#pragma once
#include <string>
#include <vector>

// The files a run writes. None of them may be read by the run: an output
// that replaced one of its own inputs would destroy it.
class OutputTargets {
 public:
  OutputTargets() = default;
  explicit OutputTargets(std::vector<std::string> paths) : paths_(std::move(paths)) {}

  void Add(std::string path) { paths_.push_back(std::move(path)); }
  const std::vector<std::string>& Paths() const { return paths_; }
  // The output that names the same file as path (through links and relative
  // names), or null.
  const std::string* Find(const std::string& path) const;

 private:
  std::vector<std::string> paths_;
};
