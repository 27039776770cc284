#pragma once
#include <istream>
#include <string>
#include <vector>

class OutputDocument;

// The command file being run: its lines, the command being run and the line
// cursor that the command reader and the inline block reader share.
class CommandInput {
 public:
  // Reads all lines of a stream; a trailing carriage return is dropped.
  static CommandInput FromStream(std::istream& in);
  explicit CommandInput(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // The output that the lines of each command are echoed to; none by default.
  void EchoInto(OutputDocument* output) { echo_ = output; }

  // Moves to the next command, skipping blank lines and comments. False at the
  // end of the input. The lines of the command are echoed to the listing.
  bool NextCommand();
  // Name of the current command, as written; "BEGINGPL"/"BEGINGSRV" for a stray block.
  const std::string& CommandName() const { return name_; }
  // Text of the current command after its name, without the terminating period.
  const std::string& CommandText() const { return text_; }
  // Line number (from 1) where the current command starts.
  int CommandLine() const { return commandLine_; }
  // Called after the command's entry returned: nothing yet to do, kept so that
  // a later reader can flush state per command.
  void FinishCommand() {}

  // The inline block reader: the next line after what has been read, or false
  // at the end of the input. lineNumber is from 1.
  bool ReadLine(std::string& line, int& lineNumber);
  bool AtEnd() const { return cursor_ >= lines_.size(); }
  // Line number of the line last delivered by ReadLine (0 before any).
  int LastLineNumber() const { return lastLine_; }

 private:
  void SkipComment();
  void ReadCommandLines();
  void ReadStrayBlock(const std::string& marker, const std::string& endMarker, const std::string& entry);

  void Echo(const std::string& line, int lineNumber);

  std::vector<std::string> lines_;
  OutputDocument* echo_ = nullptr;
  std::size_t cursor_ = 0;
  std::string name_;
  std::string text_;
  int commandLine_ = 0;
  int lastLine_ = 0;
};

// The command input that the engine session runs; null outside a run. The
// host's line and token readers take no input of their own, so they reach it
// here; the session binds it.
CommandInput* CurrentCommandInput();
void BindCommandInput(CommandInput* input);
