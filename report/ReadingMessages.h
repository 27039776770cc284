#pragma once
#include <cstdint>
#include <string>

// "Only the first ^1 cases from the ^2 data set have been used." (a warning),
// the limit shown as a count.
void ReportCaseLimit(std::uint32_t limit, const std::string& sourceName);
