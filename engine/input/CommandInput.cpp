#include "engine/input/CommandInput.h"

#include <cctype>

#include "engine/input/LineText.h"
#include "engine/output/EngineErrors.h"
#include "engine/output/OutputDocument.h"

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

CommandInput* g_current = nullptr;

// The first word of text: letters, digits and the characters names may hold.
std::string FirstWord(const std::string& text, std::size_t& end) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  std::size_t start = i;
  while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != '/' &&
         text[i] != '.')
    ++i;
  end = i;
  return text.substr(start, i - start);
}

// True when line ends the command: its last non-blank character is a period
// that stands outside quotes. A quote never runs past its line, so that a
// runaway quote cannot swallow the rest of the file.
bool EndsCommand(const std::string& line) {
  char quote = 0;
  char lastOutside = 0;
  for (char c : line) {
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '\'' || c == '"') {
      quote = c;
      lastOutside = 0;
      continue;
    }
    if (!std::isspace(static_cast<unsigned char>(c))) lastOutside = c;
  }
  return !quote && lastOutside == '.';
}

}  // namespace

CommandInput* CurrentCommandInput() { return g_current; }

void BindCommandInput(CommandInput* input) { g_current = input; }

CommandInput CommandInput::FromStream(std::istream& in) {
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Editors may start a UTF-8 file with a byte-order mark; it is no text.
    if (lines.empty() && line.rfind(kByteOrderMark, 0) == 0) line.erase(0, sizeof kByteOrderMark - 1);
    lines.push_back(line);
  }
  return CommandInput(std::move(lines));
}

bool CommandInput::ReadLine(std::string& line, int& lineNumber) {
  if (AtEnd()) return false;
  line = lines_[cursor_];
  lineNumber = static_cast<int>(++cursor_);
  lastLine_ = lineNumber;
  return true;
}

bool CommandInput::NextCommand() {
  while (!AtEnd()) {
    const std::string& line = lines_[cursor_];
    std::string trimmed = TrimBlanks(line);
    if (trimmed.empty()) {
      ++cursor_;
    } else if (trimmed[0] == '*' || StartsWith(trimmed, "/*")) {
      SkipComment();
    } else if (StartsWithIgnoringCase(trimmed, "BEGIN GPL")) {
      ReadStrayBlock("BEGIN GPL", "END GPL", "BEGINGPL");
      return true;
    } else if (StartsWithIgnoringCase(trimmed, "BEGIN GRAPHSRV")) {
      ReadStrayBlock("BEGIN GRAPHSRV", "END GRAPHSRV", "BEGINGSRV");
      return true;
    } else {
      ReadCommandLines();
      return true;
    }
  }
  return false;
}

void CommandInput::Echo(const std::string& line, int lineNumber) {
  if (echo_) echo_->AddLog(line, lineNumber);
}

void CommandInput::SkipComment() {
  std::string first = TrimBlanks(lines_[cursor_]);
  if (first[0] == '*') {
    // A star comment runs to the line whose last non-blank character is a period.
    while (!AtEnd()) {
      std::string trimmed = TrimBlanks(lines_[cursor_++]);
      if (!trimmed.empty() && trimmed.back() == '.') return;
    }
    return;
  }
  // A slash-star comment runs to the line holding the closing star-slash.
  while (!AtEnd()) {
    if (lines_[cursor_++].find("*/") != std::string::npos) return;
  }
}

void CommandInput::ReadCommandLines() {
  commandLine_ = static_cast<int>(cursor_ + 1);
  std::string text;
  while (!AtEnd()) {
    const std::string& line = lines_[cursor_++];
    lastLine_ = static_cast<int>(cursor_);
    Echo(line, lastLine_);
    if (!text.empty()) text += '\n';
    text += line;
    if (EndsCommand(line)) break;
  }
  std::string body = StripCommandComments(text);
  std::size_t period = body.find_last_not_of(" \t\n");
  if (period != std::string::npos && body[period] == '.') body.erase(period);
  std::size_t nameEnd = 0;
  name_ = FirstWord(body, nameEnd);
  text_ = body.substr(nameEnd);
}

void CommandInput::ReadStrayBlock(const std::string& marker, const std::string& endMarker, const std::string& entry) {
  commandLine_ = static_cast<int>(cursor_ + 1);
  name_ = entry;
  text_.clear();
  bool first = true;
  while (!AtEnd()) {
    std::string line = lines_[cursor_++];
    lastLine_ = static_cast<int>(cursor_);
    Echo(line, lastLine_);
    std::string content = first ? TrimBlanks(line).substr(marker.size()) : line;
    first = false;
    std::size_t end = ToUpper(content).find(endMarker);
    if (end != std::string::npos) {
      text_ += content.substr(0, end);
      return;
    }
    text_ += content + '\n';
  }
  ReportEngineError(kErrUnterminatedBlock, {marker, std::to_string(commandLine_), endMarker});
}
