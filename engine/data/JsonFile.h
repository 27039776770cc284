#pragma once
#include <nlohmann/json.hpp>

#include <string>
#include <unordered_map>
#include <vector>

#include "engine/data/DataProblems.h"

// A JSON file read whole, which remembers where each member and element
// stands so that faults in its content can name their line and column.
class JsonFile {
 public:
  // Deeper nesting is refused: no data package needs it, and readers of
  // nested values recurse.
  static constexpr std::size_t kDeepestNesting = 1000;

  // False, with the fault added to problems, when the file cannot be read or
  // is not well-formed JSON. shownName names the file in messages.
  bool Load(const std::string& path, const std::string& shownName, DataProblems& problems);

  const nlohmann::json& Root() const { return root_; }
  const std::string& Name() const { return name_; }
  // "file, line L, column C" of the value at a JSON pointer such as
  // "/schema/fields/2/name", or of the nearest enclosing value known.
  std::string Where(const std::string& pointer) const;

 private:
  friend class JsonPositionRecorder;
  std::string LineAndColumn(std::size_t offset) const;
  struct Node {
    std::size_t id;
    std::size_t offset;
  };
  // The key of a member or element: its parent's node and its key or index.
  static std::string NodeKey(std::size_t parent, const std::string& segment);

  std::string name_;
  nlohmann::json root_;
  std::unordered_map<std::string, Node> nodes_;
  std::vector<std::size_t> lineStarts_;
};
