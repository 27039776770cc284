#include "LineReader.h"

#include <algorithm>
#include <cstring>

#include "VexaGoToCaller.h"
#include "WorkAreas.h"
#include "engine/input/CommandInput.h"
#include "engine/output/EngineErrors.h"
#include "engine/output/OutputDocument.h"

namespace {

// The line last read, kept whole for the echo.
std::string g_currentLine;

}  // namespace

void SSREDC(int /*channel*/, char* buffer, int length, int* endFlag, void* /*workArea*/) {
  std::memset(buffer, ' ', static_cast<std::size_t>(length));
  CommandInput* input = CurrentCommandInput();
  std::string line;
  int lineNumber = 0;
  if (!input || !input->ReadLine(line, lineNumber)) {
    g_currentLine.clear();
    *endFlag = 1;
    return;
  }
  if (static_cast<int>(line.size()) > length) {
    // Never cut a line silently: the procedure cannot go on with part of it.
    ReportEngineError(kErrLineTooLong, {std::to_string(lineNumber), std::to_string(length)});
    throw VexaGoToCaller();
  }
  std::memcpy(buffer, line.data(), line.size());
  g_currentLine = line;
  *endFlag = input->AtEnd() ? 1 : 0;
}

void ATNJMP(void* /*workArea*/) {}

void SETQCLLCT(int /*mode*/) {}

void PRCARD(void* /*workArea*/) {
  CommandInput* input = CurrentCommandInput();
  if (OutputDocument* output = CurrentOutput()) output->AddLog(g_currentLine, input ? input->LastLineNumber() : 0);
}

void SSKIPC(void* /*workArea*/) {
  // The reader delivers whole lines, so nothing of the current line is left.
}

void MCPSTN(const char* /*line*/, int column) {
  CommandInput* input = CurrentCommandInput();
  if (OutputDocument* output = CurrentOutput()) output->SetErrorPosition(input ? input->LastLineNumber() : 0, column + 1);
}
