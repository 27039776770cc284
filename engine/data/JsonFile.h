#pragma once
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "engine/data/DataProblems.h"
#include "engine/data/JsonDomBuilder.h"

// A JSON file read whole, which keeps its text so that faults in its content
// can name the line and column of the member or element they concern.
class JsonFile {
 public:
  // Deeper nesting is refused: no data package needs it, and readers of
  // nested values recurse.
  static constexpr std::size_t kDeepestNesting = 1000;

  // False, with the fault added to problems, when the file cannot be read or
  // is not well-formed JSON. shownName names the file in messages. An array
  // at one of the streamedPaths is empty in Root(); Size and ForEachElement
  // read it from the text.
  bool Load(const std::string& path, const std::string& shownName, DataProblems& problems,
            const std::vector<JsonDomBuilder::Path>& streamedPaths = {});

  const nlohmann::json& Root() const { return root_; }
  const std::string& Name() const { return name_; }
  // The number of elements of an array of Root(), streamed or not.
  std::size_t Size(const nlohmann::json& array) const;
  // Visits the elements of an array of Root() in order; false when visit
  // stopped it.
  bool ForEachElement(const nlohmann::json& array, const JsonDomBuilder::ElementVisitor& visit) const;
  // "file, line L, column C" of the value at a JSON pointer such as
  // "/schema/fields/2/name", or of the nearest enclosing value known.
  std::string Where(const std::string& pointer) const;

 private:
  std::string LineAndColumn(std::size_t offset) const;

  std::string name_;
  nlohmann::json root_;
  JsonDomBuilder::StreamedArrays streamed_;
  std::string text_;  // read again to find a position for a message
  std::vector<std::size_t> lineStarts_;
};
