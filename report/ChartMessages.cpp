#include "report/ChartMessages.h"

#include "report/Messages.h"

void ReportFileNoAccess(const std::string& file) { ReportTemplate("File ^1 has no access...", {file}, kLevelWarning); }

void ReportMissingGraphDataSet(const std::string& sourceName) {
  ReportTemplate("A graph specification refers to graph data set ^1, but graph data set ^2 does not exist.",
                 {sourceName, sourceName}, kLevelError);
}

void ReportMixedSplits() {
  ReportText("Can not mix graph data sets if one graph data set has a split file active.", kLevelError);
}

void ReportTemplateNotConverted(const std::string& templateName, const std::string& reason) {
  ReportTemplate("The visualization template ^1 gives no chart: ^2.", {templateName, reason}, kLevelError);
}

void ReportTemplateFileUnreadable(const std::string& file) {
  ReportTemplate("File ^1 has no access...", {file}, kLevelError);
}
