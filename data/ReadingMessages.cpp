#include "data/ReadingMessages.h"

#include <limits>

#include "BpObject.h"
#include "syntax/SyntaxMessages.h"

namespace {
constexpr int kShow = 2;
}  // namespace

void ReportCaseLimit(std::uint32_t limit, const std::string& sourceName) {
  BpComposite message("Only the first ^1 cases from the ^2 data set have been used.", true);
  message.Add(BpNumber(limit, BpFormat::kCount));
  message.Add(BpString(sourceName, false));
  message.Finish();
  BpError(message, kShow, kLevelWarning);
}

std::uint32_t EffectiveCaseLimit(std::uint32_t caseLimit) {
  return caseLimit == 0 ? std::numeric_limits<std::uint32_t>::max() : caseLimit;
}
