#include "engine/data/JsonFile.h"

#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <fstream>
#include <sstream>

// Records the offset of every member name and every array element under its
// JSON pointer while rapidjson reads the text.
class JsonPositionRecorder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, JsonPositionRecorder> {
 public:
  JsonPositionRecorder(JsonFile& file, const rapidjson::StringStream& stream) : file_(file), stream_(stream) {}

  bool Default() { return Value(0); }
  bool Null() { return Value(4); }
  bool Bool(bool b) { return Value(b ? 4 : 5); }
  // rapidjson reports strings and numbers before its stream has moved past
  // them, the other values after.
  bool RawNumber(const char*, rapidjson::SizeType, bool) { return Value(0); }
  bool String(const char*, rapidjson::SizeType, bool) { return Value(0); }
  bool StartObject() {
    Value(1);
    frames_.push_back(Frame{false, 0, path_.size()});
    return true;
  }
  bool Key(const char* text, rapidjson::SizeType length, bool) {
    Frame& frame = frames_.back();
    path_.resize(frame.pathLength);
    path_ += '/' + Escape(std::string(text, length));
    Record(0);
    return true;
  }
  bool EndObject(rapidjson::SizeType) { return End(); }
  bool StartArray() {
    Value(1);
    frames_.push_back(Frame{true, 0, path_.size()});
    return true;
  }
  bool EndArray(rapidjson::SizeType) { return End(); }

 private:
  struct Frame {
    bool array;
    std::size_t next;
    std::size_t pathLength;
  };

  static std::string Escape(const std::string& key) {
    std::string escaped;
    for (char c : key) escaped += c == '~' ? std::string("~0") : c == '/' ? std::string("~1") : std::string(1, c);
    return escaped;
  }
  // A value began length bytes before the stream's position.
  bool Value(std::size_t length) {
    if (!frames_.empty() && frames_.back().array) {
      Frame& frame = frames_.back();
      path_.resize(frame.pathLength);
      path_ += '/' + std::to_string(frame.next++);
      Record(length);
    }
    return true;
  }
  bool End() {
    path_.resize(frames_.back().pathLength);
    frames_.pop_back();
    return true;
  }
  void Record(std::size_t length) {
    std::size_t end = stream_.Tell();
    file_.offsets_.emplace(path_, end >= length ? end - length : 0);
  }

  JsonFile& file_;
  const rapidjson::StringStream& stream_;
  std::vector<Frame> frames_;
  std::string path_;
};

bool JsonFile::Load(const std::string& path, const std::string& shownName, DataProblems& problems) {
  name_ = shownName;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  if (!(in && content << in.rdbuf())) {
    problems.Error(name_, "the file cannot be read");
    return false;
  }
  std::string text = content.str();
  lineStarts_ = {0};
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') lineStarts_.push_back(i + 1);
  rapidjson::StringStream stream(text.c_str());
  JsonPositionRecorder recorder(*this, stream);
  rapidjson::Reader reader;
  rapidjson::ParseResult ok = reader.Parse<rapidjson::kParseNumbersAsStringsFlag>(stream, recorder);
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
  std::string path = pointer;
  while (!path.empty()) {
    auto found = offsets_.find(path);
    if (found != offsets_.end()) return name_ + ", " + LineAndColumn(found->second);
    path.resize(path.rfind('/'));
  }
  return name_ + ", " + LineAndColumn(0);
}

std::string JsonFile::LineAndColumn(std::size_t offset) const {
  auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
  std::size_t line = static_cast<std::size_t>(next - lineStarts_.begin());
  return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStarts_[line - 1] + 1);
}
