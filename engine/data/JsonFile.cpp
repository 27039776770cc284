#include "engine/data/JsonFile.h"

#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "engine/data/Utf8Text.h"

namespace {

// A JSON pointer's segment as the key it names ("~1" is '/', "~0" is '~').
std::string Unescape(const std::string& segment) {
  std::string key;
  for (std::size_t i = 0; i < segment.size(); ++i) {
    bool escape = segment[i] == '~' && i + 1 < segment.size();
    key += escape ? (segment[++i] == '1' ? '/' : '~') : segment[i];
  }
  return key;
}

// The whole file in one string, with room made first when its size is known
// (a copy through a string stream would hold it twice).
bool ReadWhole(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::error_code error;
  std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error) text->reserve(static_cast<std::size_t>(size));
  std::array<char, 1 << 16> buffer;
  while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0)
    text->append(buffer.data(), static_cast<std::size_t>(in.gcount()));
  return in.eof() && !in.bad() && !text->empty();  // an empty file holds nothing to read
}

std::vector<std::string> PointerSegments(const std::string& pointer) {
  std::vector<std::string> segments;
  for (std::size_t at = 0; at < pointer.size() && pointer[at] == '/';) {
    std::size_t next = std::min(pointer.find('/', at + 1), pointer.size());
    segments.push_back(Unescape(pointer.substr(at + 1, next - at - 1)));
    at = next;
  }
  return segments;
}

}  // namespace

// Follows rapidjson through the text to find the offset of the deepest
// value on a JSON pointer's way (a member's name, an array's element).
// Positions are looked for only when a message needs one, so reading keeps
// nothing per value.
class JsonPointerFinder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, JsonPointerFinder> {
 public:
  JsonPointerFinder(const rapidjson::StringStream& stream, const std::vector<std::string>& target)
      : stream_(stream), target_(target) {}

  std::size_t Offset() const { return offset_; }

  bool Default() { return Value(0); }
  bool Null() { return Value(4); }
  bool Bool(bool b) { return Value(b ? 4 : 5); }
  // rapidjson reports strings and numbers before its stream has moved past
  // them, the other values after.
  bool RawNumber(const char*, rapidjson::SizeType, bool) { return Value(0); }
  bool String(const char*, rapidjson::SizeType, bool) { return Value(0); }
  bool StartObject() { return Start(false); }
  bool Key(const char* text, rapidjson::SizeType length, bool) { return Step(std::string_view(text, length), 0); }
  bool EndObject(rapidjson::SizeType) { return End(); }
  bool StartArray() { return Start(true); }
  bool EndArray(rapidjson::SizeType) { return End(); }

 private:
  struct Frame {
    bool array;
    std::size_t nextIndex;
    bool onWay;  // the container is on the pointer's way
  };

  bool Start(bool array) {
    if (!Value(1)) return false;
    frames_.push_back(Frame{array, 0, nextOnWay_});
    return true;
  }
  // A value began length bytes before the stream's position.
  bool Value(std::size_t length) {
    if (frames_.empty() || !frames_.back().array) return true;
    return Step(std::to_string(frames_.back().nextIndex++), length);
  }
  // The member or element `segment` of the innermost container begins.
  bool Step(std::string_view segment, std::size_t length) {
    const std::size_t depth = frames_.size();
    nextOnWay_ = frames_.back().onWay && depth <= target_.size() && target_[depth - 1] == segment;
    if (!nextOnWay_) return true;
    std::size_t end = stream_.Tell();
    offset_ = end >= length ? end - length : 0;
    return depth < target_.size();  // found: no need to read on
  }
  bool End() {
    frames_.pop_back();
    return true;
  }

  const rapidjson::StringStream& stream_;
  const std::vector<std::string>& target_;
  std::vector<Frame> frames_;
  bool nextOnWay_ = true;  // the root is on every pointer's way
  std::size_t offset_ = 0;
};

bool JsonFile::Load(const std::string& path, const std::string& shownName, DataProblems& problems,
                    const std::vector<JsonDomBuilder::Path>& streamedPaths) {
  name_ = shownName;
  std::string text;
  if (!ReadWhole(path, &text)) {
    problems.Error(name_, "the file cannot be read");
    return false;
  }
  // A UTF-8 byte-order mark is no JSON; it is blanked so that offsets stay.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.replace(0, 3, "   ");
  lineStarts_ = {0};
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') lineStarts_.push_back(i + 1);
  std::size_t badLength;
  if (std::size_t bad = FirstInvalidUtf8(text, &badLength); bad < text.size()) {
    problems.Error(name_ + ", " + LineAndColumn(bad),
                   "the bytes " + HexBytes(text.substr(bad, badLength)) + " are not UTF-8 text; a data package file must be UTF-8");
    return false;
  }
  rapidjson::StringStream stream(text.c_str());
  JsonDomBuilder builder(stream, kDeepestNesting, streamedPaths, &streamed_);
  rapidjson::Reader reader;
  rapidjson::ParseResult ok = reader.Parse<rapidjson::kParseNumbersAsStringsFlag>(stream, builder);
  if (builder.TooDeep()) {
    problems.Error(name_ + ", " + LineAndColumn(stream.Tell() - 1),  // the bracket too deep
                   "the JSON is nested deeper than " + std::to_string(kDeepestNesting) + " levels");
    return false;
  }
  if (!ok || text.find('\0') != std::string::npos) {
    std::size_t offset = ok ? text.find('\0') : ok.Offset();
    const char* reason = ok ? "a zero byte in the text" : rapidjson::GetParseError_En(ok.Code());
    problems.Error(name_ + ", " + LineAndColumn(offset), std::string("malformed JSON: ") + reason);
    return false;
  }
  if (builder.Unreadable()) {
    problems.Error(name_, "malformed JSON");
    return false;
  }
  root_ = builder.TakeRoot();
  text_ = std::move(text);
  return true;
}

std::size_t JsonFile::Size(const nlohmann::json& array) const {
  auto found = streamed_.find(&array);
  return found == streamed_.end() ? array.size() : found->second.size;
}

bool JsonFile::ForEachElement(const nlohmann::json& array, const JsonDomBuilder::ElementVisitor& visit) const {
  auto found = streamed_.find(&array);
  if (found == streamed_.end()) {
    for (std::size_t i = 0; i < array.size(); ++i)
      if (!visit(array[i], i)) return false;
    return true;
  }
  rapidjson::StringStream stream(text_.c_str() + found->second.offset);
  JsonDomBuilder builder(visit);
  rapidjson::Reader reader;
  reader.Parse<rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseStopWhenDoneFlag>(stream, builder);
  return !builder.Stopped();
}

std::string JsonFile::Where(const std::string& pointer) const {
  std::vector<std::string> segments = PointerSegments(pointer);
  rapidjson::StringStream stream(text_.c_str());
  JsonPointerFinder finder(stream, segments);
  rapidjson::Reader reader;
  reader.Parse<rapidjson::kParseNumbersAsStringsFlag>(stream, finder);
  return name_ + ", " + LineAndColumn(finder.Offset());
}

std::string JsonFile::LineAndColumn(std::size_t offset) const {
  auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
  std::size_t line = static_cast<std::size_t>(next - lineStarts_.begin());
  return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStarts_[line - 1] + 1);
}
