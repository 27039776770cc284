#include "engine/data/VariableNames.h"

#include <cctype>
#include <string>

#include "ParserMessage.h"
#include "VexaText.h"

bool IsValidVariableName(std::string_view name) {
  if (name.empty() || name[0] == '$' || name[0] == '#') return false;
  return ValidateVEXAName(std::string(name).c_str()) == 0;
}

bool IsValidSetName(std::string_view name) {
  return name.size() > 1 && name[0] == '$' && IsValidVariableName(name.substr(1));
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && VEXAMBstricmp_A(std::string(a).c_str(), std::string(b).c_str()) == 0;
}

std::string NameKey(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}
