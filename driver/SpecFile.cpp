#include "driver/SpecFile.h"

#include "host/engine/FetchFile.h"
#include "report/ChartMessages.h"

std::optional<std::string> FetchSpecFile(const std::string& file) {
  std::string content = FetchFile::fetch(file, true, true);
  if (content.empty()) {
    ReportFileNoAccess(file);
    return std::nullopt;
  }
  return content;
}
