#include "report/ReadingMessages.h"

#include "host/engine/BpObject.h"
#include "report/Messages.h"

void ReportCaseLimit(std::uint32_t limit, const std::string& sourceName) {
  BpComposite message("Only the first ^1 cases from the ^2 data set have been used.", true);
  message.Add(BpNumber(limit, BpFormat::kCount));
  message.Add(BpString(sourceName, false));
  message.Finish();
  Report(message, kLevelWarning);
}
