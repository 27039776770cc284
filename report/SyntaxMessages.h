#pragma once
#include <string>

#include "report/Messages.h"

// The generic syntax messages that every subcommand handler issues. Each
// returns the result the handler gives back after issuing it.

// "Incomplete subCmd ^1." (a warning); returns true.
bool ReportIncomplete(const std::string& subcommand);
// "SubCmd ^1. Equal sign required after ^2."; returns false.
bool ReportEqualSignRequired(const std::string& subcommand, const std::string& keyword);
// "SubCmd ^1. Three integers required for ^2."; returns false.
bool ReportThreeIntegersRequired(const std::string& subcommand, const std::string& keyword);
// "SubCmd ^1. Unknown token ^2." (a single blank when there is no token); returns false.
bool ReportUnknownToken(const std::string& subcommand, const std::string& token);
// "SubCmd ^1 has duplicate ^2 attribute."; returns false.
bool ReportDuplicate(const std::string& subcommand, const std::string& keyword);
