#include "syntax/InlineBlockCapture.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

#include "host/engine/LineReader.h"
#include "host/engine/WorkAreas.h"
#include "report/EngineWorkAreas.h"

namespace {

constexpr int kChannel = 11;
constexpr const char* kLineNumberMarker = "_SLINE ";
constexpr int kLineNumberMarkerLength = 7;

// The engine's line buffer and its end flag while a block is read.
class BlockLines {
 public:
  explicit BlockLines(void* workArea) : workArea_(workArea), buffer_(InputLineBuffer()) {}

  bool AtEnd() const { return endFlag_ != 0; }
  void Read() {
    SSREDC(kChannel, buffer_, kInputLineLength, &endFlag_, workArea_);
    ATNJMP(workArea_);
  }
  void Echo() {
    SETQCLLCT(-1);
    PRCARD(workArea_);
  }
  void SkipRest() { SSKIPC(workArea_); }
  std::string_view Line() const { return std::string_view(buffer_, kInputLineLength); }
  // Index of the last non-blank character; -1 for a blank line.
  int LastNonBlank() const {
    std::string_view line = Line();
    std::size_t last = line.find_last_not_of(' ');
    return last == std::string_view::npos ? -1 : static_cast<int>(last);
  }
  std::size_t FirstNonBlank() const { return Line().find_first_not_of(' '); }
  const char* Data() const { return buffer_; }

 private:
  void* workArea_;
  char* buffer_;
  int endFlag_ = 0;
};

std::string Upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

// Skips blank lines and comments before the block. False at the end of the
// input (also inside a comment that is never closed).
bool SkipToBlockStart(BlockLines& lines) {
  bool inStarComment = false;
  while (!lines.AtEnd()) {
    lines.Read();
    std::size_t first = lines.FirstNonBlank();
    if (inStarComment || (first != std::string_view::npos && lines.Line()[first] == '*')) {
      int last = lines.LastNonBlank();
      inStarComment = !(last >= 0 && lines.Line()[static_cast<std::size_t>(last)] == '.');
      continue;
    }
    if (first == std::string_view::npos) continue;
    if (lines.Line().substr(first, 2) == "/*") continue;
    return true;
  }
  return false;
}

// The rest of the opening line after its marker is appended when it holds a
// non-blank character past its first position: up to its last non-blank
// character, or whole (blank rests too) where the format keeps every line.
void AppendOpeningRest(const InlineBlockFormat& format, std::string_view rest, std::string& text) {
  bool pastFirst = rest.find_first_not_of(' ', 1) != std::string_view::npos;
  if (format.keepEveryLine) {
    if (pastFirst || rest.find_first_not_of(' ') == std::string_view::npos) text.append(rest);
    return;
  }
  if (pastFirst) text.append(rest.substr(0, rest.find_last_not_of(' ') + 1));
}

// Appends characters 0..last of a block line and a line feed.
void AppendLine(const InlineBlockFormat& format, std::string_view line, int last, std::string& text) {
  if (last > 0 || format.keepEveryLine) {
    text.append(line.substr(0, static_cast<std::size_t>(std::max(last + 1, 0))));
    text += '\n';
  }
}

}  // namespace

bool CaptureInlineBlock(const InlineBlockFormat& format, void* workArea, std::string& text) {
  text.clear();
  BlockLines lines(workArea);
  if (!SkipToBlockStart(lines)) return false;

  const std::size_t markerLength = std::strlen(format.beginMarker);
  std::size_t first = lines.FirstNonBlank();
  if (Upper(lines.Line().substr(first, markerLength)) != format.beginMarker) {
    MCPSTN(lines.Data(), lines.LastNonBlank() + 1);
    return false;
  }
  lines.Echo();
  std::string_view rest = lines.Line().substr(first + markerLength);
  AppendOpeningRest(format, rest, text);
  if (Upper(rest).find(format.endMarker) != std::string::npos) return false;

  while (!lines.AtEnd()) {
    lines.Read();
    int last = lines.LastNonBlank();
    std::string_view line = lines.Line();
    if (last > kLineNumberMarkerLength && line.substr(0, kLineNumberMarkerLength) == kLineNumberMarker) continue;
    lines.Echo();
    std::size_t end = Upper(line).find(format.endMarker);
    if (end != std::string::npos) {
      lines.SkipRest();
      AppendLine(format, line, static_cast<int>(end) - 1, text);
      return true;
    }
    AppendLine(format, line, last, text);
  }
  return false;
}
