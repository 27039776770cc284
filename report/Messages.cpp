#include "report/Messages.h"

#include "host/engine/BpObject.h"

namespace {
// Messages are shown in the output (BpError's show argument).
constexpr int kShow = 2;
}  // namespace

void Report(const BpObject& message, int level) { BpError(message, kShow, level); }

void ReportText(const std::string& text, int level) { Report(BpString(text, true), level); }

void ReportTemplate(const std::string& pattern, std::initializer_list<std::string> args, int level) {
  BpComposite message(pattern, true);
  for (const std::string& arg : args) message.Add(BpString(arg, false));
  message.Finish();
  Report(message, level);
}
