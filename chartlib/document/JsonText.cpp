#include "chartlib/document/JsonText.h"

#include <nlohmann/json.hpp>

std::optional<std::string> ValidJson(std::string text) {
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  if (!nlohmann::json::accept(text)) return std::nullopt;
  return text;
}
