#include "validation/TemplateFileChecks.h"

#include <string>

#include "graphspec/GraphSpec.h"
#include "report/Messages.h"

namespace {

bool ReportNoAccess(const std::string& nameAsWritten, int level) {
  ReportTemplate("File ^1 has no access...", {nameAsWritten}, level);
  return false;
}

bool CheckDataMap(GraphSpec& spec) {
  if (!spec.HasDataMap()) return true;
  if (!spec.ResolveDataMap()) return ReportNoAccess(spec.GetDataMapNameAsWritten(), kLevelError);
  if (!spec.GetMapKey().empty()) return true;
  ReportText("A map must be specified...", kLevelError);
  return false;
}

bool CheckRefMap(GraphSpec& spec) {
  if (!spec.HasRefMap() || spec.ResolveRefMap()) return true;
  return ReportNoAccess(spec.GetRefMapNameAsWritten(), kLevelError);
}

// A style sheet out of reach fails the spec, so it is an error: a warning
// would let a run without its chart end as a success.
bool CheckStyleSheet(GraphSpec& spec) {
  if (!spec.HasStyleSheet() || spec.ResolveStyleSheet()) return true;
  return ReportNoAccess(spec.GetStyleSheetNameAsWritten(), kLevelError);
}

}  // namespace

bool CheckTemplateFiles(GraphSpec& spec) { return CheckDataMap(spec) && CheckRefMap(spec) && CheckStyleSheet(spec); }
