#pragma once
#include <nlohmann/json.hpp>
#include <rapidjson/reader.h>

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// Builds nlohmann values from rapidjson's events, in the one pass that also
// refuses nesting beyond a limit. The values are those nlohmann's own parser
// gives (integers, unsigned integers and doubles alike), with the arrays of
// chosen places left out: such an array may hold a million items, which
// read one at a time cost a fraction of the time and memory of a tree.
class JsonDomBuilder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, JsonDomBuilder> {
 public:
  // An array left out of the tree: where its '[' is in the text, and its size.
  struct Streamed {
    std::size_t offset = 0;
    std::size_t size = 0;
  };
  using StreamedArrays = std::unordered_map<const nlohmann::json*, Streamed>;
  // Takes an element of the array being streamed and its index; false stops.
  using ElementVisitor = std::function<bool(const nlohmann::json&, std::size_t)>;
  // The names that lead from the root to a value, "*" standing for any
  // element of an array: {"fields", "*", "categories"}.
  using Path = std::vector<std::string>;

  // Builds the whole document. An array at one of the streamedPaths is an
  // empty array in the tree, entered in streamed.
  JsonDomBuilder(const rapidjson::StringStream& stream, std::size_t deepestNesting,
                 const std::vector<Path>& streamedPaths, StreamedArrays* streamed);
  // Hands each element of the array the text begins with to visit.
  explicit JsonDomBuilder(ElementVisitor visit);

  bool TooDeep() const { return tooDeep_; }
  // Well-formed JSON that nlohmann refuses, and so no data: a number beyond
  // the range of a double, or an escaped low surrogate without its high one.
  bool Unreadable() const { return unreadable_; }
  bool Stopped() const { return stopped_; }
  nlohmann::json TakeRoot() { return std::move(root_); }

  bool Null() { return Add(nullptr); }
  bool Bool(bool value) { return Add(value); }
  bool RawNumber(const char* text, rapidjson::SizeType length, bool);
  bool String(const char* text, rapidjson::SizeType length, bool);
  bool Key(const char* text, rapidjson::SizeType length, bool);
  bool StartObject() { return Start(nlohmann::json::value_t::object); }
  bool EndObject(rapidjson::SizeType size) { return End(size); }
  bool StartArray() { return Start(nlohmann::json::value_t::array); }
  bool EndArray(rapidjson::SizeType size) { return End(size); }

 private:
  bool Add(nlohmann::json value);
  bool Start(nlohmann::json::value_t kind);
  bool End(std::size_t size);
  nlohmann::json* Place(nlohmann::json value);
  nlohmann::json* ReuseElement();
  bool Deliver();
  void Forget(const nlohmann::json& value);
  bool IsStreamed() const;

  // A step from a container to a value in it: a member's name or an element.
  struct Step {
    bool element = false;
    std::string name;
  };
  Step NextStep() const;

  const rapidjson::StringStream* stream_ = nullptr;
  std::size_t deepestNesting_ = 0;
  const std::vector<Path>* streamedPaths_ = nullptr;
  StreamedArrays* streamed_ = nullptr;
  ElementVisitor visit_;
  std::size_t nextIndex_ = 0;

  nlohmann::json root_;
  nlohmann::json element_;  // the element being built when streaming
  std::vector<nlohmann::json*> open_;  // the containers being built
  std::vector<Step> steps_;  // to each open container, when paths are streamed
  std::string key_;  // of the next member
  std::size_t depth_ = 0;
  std::size_t skippedFrom_ = 0;  // the depth of the array being left out, or 0
  const nlohmann::json* skipped_ = nullptr;
  bool tooDeep_ = false;
  bool unreadable_ = false;
  bool stopped_ = false;
};
