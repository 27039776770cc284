#include "report/SyntaxMessages.h"

bool ReportIncomplete(const std::string& subcommand) {
  ReportTemplate("Incomplete subCmd ^1.", {subcommand}, kLevelWarning);
  return true;
}

bool ReportEqualSignRequired(const std::string& subcommand, const std::string& keyword) {
  ReportTemplate("SubCmd ^1. Equal sign required after ^2.", {subcommand, keyword}, kLevelError);
  return false;
}

bool ReportThreeIntegersRequired(const std::string& subcommand, const std::string& keyword) {
  ReportTemplate("SubCmd ^1. Three integers required for ^2.", {subcommand, keyword}, kLevelError);
  return false;
}

bool ReportUnknownToken(const std::string& subcommand, const std::string& token) {
  ReportTemplate("SubCmd ^1. Unknown token ^2.", {subcommand, token.empty() ? " " : token}, kLevelError);
  return false;
}

bool ReportDuplicate(const std::string& subcommand, const std::string& keyword) {
  ReportTemplate("SubCmd ^1 has duplicate ^2 attribute.", {subcommand, keyword}, kLevelError);
  return false;
}
