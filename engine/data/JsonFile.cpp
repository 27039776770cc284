#include "engine/data/JsonFile.h"

#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <fstream>
#include <sstream>

// Records the offset of every member name and every array element while
// rapidjson reads the text. Each value is stored once, under its parent's
// number and its own key or index, so that memory grows with the text and
// not with its depth; Where walks a JSON pointer down from the root.
class JsonPositionRecorder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, JsonPositionRecorder> {
 public:
  JsonPositionRecorder(JsonFile& file, const rapidjson::StringStream& stream) : file_(file), stream_(stream) {}

  bool TooDeep() const { return tooDeep_; }

  bool Default() { return Value(0); }
  bool Null() { return Value(4); }
  bool Bool(bool b) { return Value(b ? 4 : 5); }
  // rapidjson reports strings and numbers before its stream has moved past
  // them, the other values after.
  bool RawNumber(const char*, rapidjson::SizeType, bool) { return Value(0); }
  bool String(const char*, rapidjson::SizeType, bool) { return Value(0); }
  bool StartObject() { return Start(false); }
  bool Key(const char* text, rapidjson::SizeType length, bool) {
    next_ = Record(frames_.back().node, std::string(text, length), 0);
    return true;
  }
  bool EndObject(rapidjson::SizeType) { return End(); }
  bool StartArray() { return Start(true); }
  bool EndArray(rapidjson::SizeType) { return End(); }

 private:
  struct Frame {
    bool array;
    std::size_t nextIndex;
    std::size_t node;
  };

  bool Start(bool array) {
    Value(1);
    if (frames_.size() >= JsonFile::kDeepestNesting) {
      tooDeep_ = true;
      return false;
    }
    frames_.push_back(Frame{array, 0, next_});
    return true;
  }
  // A value began length bytes before the stream's position.
  bool Value(std::size_t length) {
    if (!frames_.empty() && frames_.back().array) {
      Frame& frame = frames_.back();
      next_ = Record(frame.node, std::to_string(frame.nextIndex++), length);
    }
    return true;
  }
  bool End() {
    frames_.pop_back();
    return true;
  }
  std::size_t Record(std::size_t parent, const std::string& segment, std::size_t length) {
    std::size_t end = stream_.Tell();
    std::size_t node = ++lastNode_;
    file_.nodes_.emplace(JsonFile::NodeKey(parent, segment), JsonFile::Node{node, end >= length ? end - length : 0});
    return node;
  }

  JsonFile& file_;
  const rapidjson::StringStream& stream_;
  std::vector<Frame> frames_;
  std::size_t next_ = 0;  // the node of the value about to start; 0 the root
  std::size_t lastNode_ = 0;
  bool tooDeep_ = false;
};

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

}  // namespace

std::string JsonFile::NodeKey(std::size_t parent, const std::string& segment) {
  return std::to_string(parent) + '/' + segment;
}

bool JsonFile::Load(const std::string& path, const std::string& shownName, DataProblems& problems) {
  name_ = shownName;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  if (!(in && content << in.rdbuf())) {
    problems.Error(name_, "the file cannot be read");
    return false;
  }
  std::string text = content.str();
  // A UTF-8 byte-order mark is no JSON; it is blanked so that offsets stay.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.replace(0, 3, "   ");
  lineStarts_ = {0};
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') lineStarts_.push_back(i + 1);
  rapidjson::StringStream stream(text.c_str());
  JsonPositionRecorder recorder(*this, stream);
  rapidjson::Reader reader;
  rapidjson::ParseResult ok = reader.Parse<rapidjson::kParseNumbersAsStringsFlag>(stream, recorder);
  if (recorder.TooDeep()) {
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
  root_ = nlohmann::json::parse(text, nullptr, false);
  if (root_.is_discarded()) {
    problems.Error(name_, "malformed JSON");
    return false;
  }
  return true;
}

std::string JsonFile::Where(const std::string& pointer) const {
  std::size_t node = 0, offset = 0;
  for (std::size_t at = 0; at < pointer.size() && pointer[at] == '/';) {
    std::size_t next = std::min(pointer.find('/', at + 1), pointer.size());
    auto found = nodes_.find(NodeKey(node, Unescape(pointer.substr(at + 1, next - at - 1))));
    if (found == nodes_.end()) break;
    node = found->second.id;
    offset = found->second.offset;
    at = next;
  }
  return name_ + ", " + LineAndColumn(offset);
}

std::string JsonFile::LineAndColumn(std::size_t offset) const {
  auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
  std::size_t line = static_cast<std::size_t>(next - lineStarts_.begin());
  return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStarts_[line - 1] + 1);
}
