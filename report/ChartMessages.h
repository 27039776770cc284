#pragma once
#include <string>

// The messages of chart production and of the chart loop.

// "File ^1 has no access..." (a warning), with the file as the command wrote it.
void ReportFileNoAccess(const std::string& file);
// A GPL user source that names no graph data set (an error).
void ReportMissingGraphDataSet(const std::string& sourceName);
// A chart over graph data sets of which some are split and some are not (an error).
void ReportMixedSplits();
// A visualization template that gave no chart (an error), with the reason.
void ReportTemplateNotConverted(const std::string& templateName, const std::string& reason);
// A TEMPLATE file that cannot be read (an error).
void ReportTemplateFileUnreadable(const std::string& file);
