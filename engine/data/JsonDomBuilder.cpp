#include "engine/data/JsonDomBuilder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using nlohmann::json;

// A number as nlohmann reads it: a whole number that fits is a signed
// (negative) or unsigned integer, anything else a double.
json NumberValue(std::string_view text) {
  const char* end = text.data() + text.size();
  if (text.front() == '-') {
    std::int64_t whole;
    auto [stop, error] = std::from_chars(text.data(), end, whole);
    if (error == std::errc() && stop == end) return whole;
  } else {
    std::uint64_t whole;
    auto [stop, error] = std::from_chars(text.data(), end, whole);
    if (error == std::errc() && stop == end) return whole;
  }
  double number;
  if (std::from_chars(text.data(), end, number).ec == std::errc()) return number;
  return std::strtod(std::string(text).c_str(), nullptr);  // out of range: zero, a tiny or an infinite value
}

// rapidjson turns "\uDC00" alone into the bytes ED B0 80; text that was
// checked to be UTF-8 holds ED followed by A0 to BF in no other way.
bool HasLoneSurrogate(std::string_view text) {
  for (std::size_t at = 0; at + 1 < text.size(); ++at)
    if (text[at] == '\xED' && static_cast<unsigned char>(text[at + 1]) >= 0xA0) return true;
  return false;
}

}  // namespace

JsonDomBuilder::JsonDomBuilder(const rapidjson::StringStream& stream, std::size_t deepestNesting,
                               const std::vector<Path>& streamedPaths, StreamedArrays* streamed)
    : stream_(&stream), deepestNesting_(deepestNesting), streamedPaths_(&streamedPaths), streamed_(streamed) {}

JsonDomBuilder::JsonDomBuilder(ElementVisitor visit) : visit_(std::move(visit)) {}

// The checks for unreadable values run on the arrays left out too; the
// text read again when streaming has passed them.
bool JsonDomBuilder::RawNumber(const char* text, rapidjson::SizeType length, bool) {
  json number = NumberValue(std::string_view(text, length));
  unreadable_ = unreadable_ || (!visit_ && number.is_number_float() && !std::isfinite(number.get<double>()));
  return Add(std::move(number));
}

bool JsonDomBuilder::String(const char* text, rapidjson::SizeType length, bool) {
  std::string_view value(text, length);
  unreadable_ = unreadable_ || (!visit_ && HasLoneSurrogate(value));
  return skippedFrom_ || Add(std::string(value));
}

bool JsonDomBuilder::Key(const char* text, rapidjson::SizeType length, bool) {
  std::string_view key(text, length);
  unreadable_ = unreadable_ || (!visit_ && HasLoneSurrogate(key));
  if (!skippedFrom_) key_ = key;
  return true;
}

bool JsonDomBuilder::Add(json value) {
  if (skippedFrom_) return true;
  Place(std::move(value));
  return Deliver();
}

bool JsonDomBuilder::Start(json::value_t kind) {
  if (deepestNesting_ && depth_ >= deepestNesting_) {
    tooDeep_ = true;
    return false;
  }
  ++depth_;
  if (skippedFrom_) return true;
  const bool leftOut = kind == json::value_t::array && IsStreamed();
  const bool tracked = streamedPaths_ && !streamedPaths_->empty();
  if (tracked && !leftOut) steps_.push_back(open_.empty() ? Step{} : NextStep());
  const bool reused = visit_ && open_.size() == 1 && kind == json::value_t::object && element_.is_object();
  json* placed = reused ? ReuseElement() : Place(json(kind));
  if (!leftOut) {
    open_.push_back(placed);
    return true;
  }
  // rapidjson reports a container after reading its bracket.
  (*streamed_)[placed] = Streamed{stream_->Tell() - 1, 0};
  skippedFrom_ = depth_;
  skipped_ = placed;
  return true;
}

bool JsonDomBuilder::End(std::size_t size) {
  const std::size_t ending = depth_--;
  if (skippedFrom_ && ending > skippedFrom_) return true;
  if (skippedFrom_) {
    (*streamed_)[skipped_].size = size;
    skippedFrom_ = 0;
    return true;
  }
  open_.pop_back();
  if (!steps_.empty()) steps_.pop_back();
  if (visit_ && open_.size() == 1 && element_.is_object())
    for (auto member = element_.begin(); member != element_.end();)
      member = member->is_discarded() ? element_.erase(member) : std::next(member);
  return Deliver();
}

// The members of the last element stay, marked as discarded, for those of
// the next to overwrite: a list of a million objects then costs no
// allocation per member. End drops the members left discarded.
json* JsonDomBuilder::ReuseElement() {
  for (json& member : element_) member = json(json::value_t::discarded);
  return &element_;
}

JsonDomBuilder::Step JsonDomBuilder::NextStep() const {
  return open_.back()->is_array() ? Step{true, {}} : Step{false, key_};
}

// Whether the value about to be placed is at one of the streamed paths.
bool JsonDomBuilder::IsStreamed() const {
  if (!streamedPaths_ || open_.empty()) return false;
  const Step next = NextStep();
  auto matches = [](const Step& step, const std::string& name) { return step.element ? name == "*" : step.name == name; };
  for (const Path& path : *streamedPaths_) {  // steps_ begins with the root's, which has no name
    if (path.size() != steps_.size() || !matches(next, path.back())) continue;
    if (std::equal(steps_.begin() + 1, steps_.end(), path.begin(), matches)) return true;
  }
  return false;
}

// Puts a value where the text has it, and gives its place in the tree.
json* JsonDomBuilder::Place(json value) {
  if (open_.empty()) {
    root_ = std::move(value);
    return &root_;
  }
  json& container = *open_.back();
  if (visit_ && open_.size() == 1) {
    element_ = std::move(value);
    return &element_;
  }
  if (container.is_array()) {
    container.push_back(std::move(value));
    return &container.back();
  }
  json& member = container[key_];
  Forget(member);  // a name given twice keeps its last value, as in nlohmann
  member = std::move(value);
  return &member;
}

// When streaming, hands over an element once it is complete.
bool JsonDomBuilder::Deliver() {
  if (!visit_ || open_.size() != 1) return true;
  stopped_ = !visit_(element_, nextIndex_++);
  return !stopped_;
}

// The arrays left out inside a value that is replaced are gone with it.
void JsonDomBuilder::Forget(const json& value) {
  if (!streamed_ || streamed_->empty()) return;
  streamed_->erase(&value);
  if (value.is_structured())
    for (const json& inner : value) Forget(inner);
}
